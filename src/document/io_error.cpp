#include "document/io_error.h"
#include "config/language_table.h"

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

QByteArray IOErrorText(int code, const QByteArray &prefix)
{
    const QByteArray *text = &Texts.CommonError;
    switch (code) {
    case FileNotFoundCode: text = &Texts.FileNotFound; break;
    case PathNotFoundCode: text = &Texts.PathNotFound; break;
    case AccessDeniedCode: text = &Texts.AccessDenied; break;
    case SharingViolationCode: text = &Texts.SharingViolation; break;
    case EndOfFileCode: text = &Texts.EndOfFile; break;
    case DiskFullCode: text = &Texts.DiskFull; break;
    case FileVariableNotAssignedCode: text = &Texts.FileVariableNotAssigned; break;
    case FileNotOpenCode: text = &Texts.FileNotOpen; break;
    case FileNotOpenForInputCode: text = &Texts.FileNotOpenForInput; break;
    case FileNotOpenForOutputCode: text = &Texts.FileNotOpenForOutput; break;
    case ErrorInFormattedInputCode: text = &Texts.ErrorInFormattedInput; break;
    case FileAlreadyOpenCode: text = &Texts.FileAlreadyOpen; break;
    default: break;
    }
    return prefix + ' ' + QByteArray::number(code) + ": " + *text;
}

} // namespace cuefold
