#include "document/io_error.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace cuefold {

namespace {

// Highest system error number worth trying when recognising a message.
constexpr int LastSystemError = 200;

bool FolderOfPathExists(const QString &path)
{
    return QFileInfo(path).absoluteDir().exists();
}

int SystemErrorFromMessage(const QString &message)
{
    for (int e = 1; e <= LastSystemError; ++e)
        if (message == qt_error_string(e))
            return e;
    return 0;
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
        return DiskFullCode;
    default:
        return OtherIOErrorBase + systemError;
    }
}

int IOErrorCodeOf(const QFileDevice &device, const QString &path)
{
    if (device.error() == QFileDevice::NoError)
        return NoIOError;
    // A folder cannot be opened as a file at all, whatever Qt calls it.
    if (QFileInfo(path).isDir())
        return AccessDeniedCode;
    const QString message = device.errorString();
    // QSaveFile refuses a read-only target before the system is asked, with a
    // message of its own.
    if (message == QSaveFile::tr("Existing file %1 is not writable").arg(path))
        return AccessDeniedCode;
    return IOErrorCodeFromErrno(SystemErrorFromMessage(message), path);
}

} // namespace cuefold
