#pragma once

#include "media/media_functions.h"

namespace cuefold {

// The movie analysis library beside the executable, opened on first use;
// nullptr when it cannot be opened (told once on stderr).
const MediaFunctions *Media();

} // namespace cuefold
