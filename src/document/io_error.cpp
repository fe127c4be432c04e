#include "document/io_error.h"
#include "document/file_name.h"

#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace cuefold {

namespace {

bool FolderOfPathExists(const QString &path)
{
    struct stat info;
    return stat(FileNameBytes(QFileInfo(path).absolutePath()).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int IOErrorCodeFromErrno(int systemError, const QString &path)
{
    switch (systemError) {
    case 0:
        return OtherIOErrorBase;
    case ENOENT:
        return FolderOfPathExists(path) ? FileNotFoundCode : PathNotFoundCode;
    case ENOTDIR:
        return PathNotFoundCode;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return AccessDeniedCode;
    case EBUSY:
    case ETXTBSY:
        return SharingViolationCode;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // the file-size limit: as full as the disk can get for this file
        return DiskFullCode;
    default:
        return OtherIOErrorBase + systemError;
    }
}

} // namespace cuefold
