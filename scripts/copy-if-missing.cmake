# Copies SRC to DST unless DST already exists (user settings are never overwritten).
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()
