#include "document/safe_write.h"
#include "document/file_name.h"
#include "document/io_error.h"


#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace cuefold {

namespace {

// As many links in a row as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
// Leaves room in a file name for the temporary file's dot and suffix.
constexpr qsizetype MaxTemporaryStem = 200;

int CodeOf(int systemError, const QByteArray &path)
{
    return IOErrorCodeFromErrno(systemError, FileNameFromBytes(path));
}

// "folder/name" -> "folder/", "name" -> "".
QByteArray FolderPrefix(const QByteArray &path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

// A link in a folder others may write to is followed only when it is the
// writer's own or the folder owner's, as the system's protected links rule
// has it for sticky folders: one planted there by someone else must not send
// a save elsewhere. (This layer reads links itself, past that rule.)
bool TrustedLink(const QByteArray &path, const struct stat &link)
{
    if (link.st_uid == geteuid())
        return true;
    const QByteArray prefix = FolderPrefix(path);
    struct stat folder;
    if (stat(prefix.isEmpty() ? "." : prefix.constData(), &folder) != 0)
        return false;
    return !(folder.st_mode & (S_IWGRP | S_IWOTH)) || link.st_uid == folder.st_uid;
}

// Follows the symbolic links of the last name in `path`, so that the file
// they lead to is written and the links stay. False (errno set) on a loop or
// an untrusted link.
bool FollowLinks(QByteArray &path)
{
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat info;
        if (lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        if (!TrustedLink(path, info)) {
            errno = EACCES;
            return false;
        }
        QByteArray link(PATH_MAX, '\0');
        const ssize_t length = readlink(path.constData(), link.data(), size_t(link.size()));
        if (length < 0)
            return false;
        link.truncate(length);
        path = link.startsWith('/') ? link : FolderPrefix(path) + link;
    }
    errno = ELOOP;
    return false;
}

// The system's answer for the effective user, and the owner's write bit on
// top: root would be let through whatever the bits say.
int WritableError(const QByteArray &path, const struct stat &info)
{
    if (faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
        return errno;
    return (info.st_mode & S_IWUSR) ? 0 : EACCES;
}

// 0 or the system error of the first write that failed.
int WriteAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

// The new file gets the old one's owner and mode; a file new to the folder
// gets what any program's new file would (0666 less the umask).
void TakeOwnerAndMode(int fd, const struct stat *old)
{
    if (!old) {
        const mode_t mask = umask(0);
        umask(mask);
        (void)fchmod(fd, 0666 & ~mask);
        return;
    }
    // Only root can give a file away; others keep at least the group if theirs.
    if (fchown(fd, old->st_uid, old->st_gid) != 0 && fchown(fd, uid_t(-1), old->st_gid) != 0) {
        // The new file stays the writer's own.
    }
    (void)fchmod(fd, old->st_mode & 07777);
}

void SyncFolder(const QByteArray &path)
{
    const QByteArray prefix = FolderPrefix(path);
    const int fd = open(prefix.isEmpty() ? "." : prefix.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)fsync(fd);
        close(fd);
    }
}

} // namespace

FileReplacement::FileReplacement(const QString &path) : mTarget(FileNameBytes(path))
{
    if (!FollowLinks(mTarget)) {
        mStatus = CodeOf(errno, mTarget);
        return;
    }
    if (mTarget.isEmpty() || mTarget.endsWith('/')) {
        mStatus = CodeOf(mTarget.isEmpty() ? ENOENT : EISDIR, mTarget);
        return;
    }
    if (stat(mTarget.constData(), &mOld) != 0) {
        // A missing file is simply new; a missing folder shows when writing.
        if (errno != ENOENT)
            mStatus = CodeOf(errno, mTarget);
        return;
    }
    mExists = true;
    if (S_ISDIR(mOld.st_mode))
        mStatus = AccessDeniedCode;
    else if (const int error = WritableError(mTarget, mOld))
        mStatus = CodeOf(error, mTarget);
}

FileReplacement::~FileReplacement()
{
    abandon();
}

QString FileReplacement::target() const
{
    return FileNameFromBytes(mTarget);
}

int FileReplacement::write(const QByteArray &bytes)
{
    if (mStatus != NoIOError)
        return mStatus;
    if (!mExists || S_ISREG(mOld.st_mode))
        return writeTemporary(bytes);
    const int fd = open(mTarget.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return CodeOf(errno, mTarget);
    int error = WriteAll(fd, bytes);
    if (close(fd) != 0 && error == 0)
        error = errno;
    mDeviceWritten = error == 0;
    return error == 0 ? NoIOError : CodeOf(error, mTarget);
}

int FileReplacement::writeTemporary(const QByteArray &bytes)
{
    const qsizetype slash = mTarget.lastIndexOf('/');
    QByteArray name = mTarget.left(slash + 1) + '.' + mTarget.mid(slash + 1).left(MaxTemporaryStem) + ".XXXXXX";
    // Without a folder to write in, nothing is done: writing the old file in
    // place could leave half of it.
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return CodeOf(errno, mTarget);
    mTemporary = name;
    TakeOwnerAndMode(fd, mExists ? &mOld : nullptr);
    int error = WriteAll(fd, bytes);
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return NoIOError;
    abandon();
    return CodeOf(error, mTarget);
}

int FileReplacement::keepOldAs(const QString &name)
{
    const QByteArray backup = FileNameBytes(name);
    if (link(mTarget.constData(), backup.constData()) == 0) {
        mBackup = backup;
        return NoIOError;
    }
    const int linkError = errno;
    // A file system without hard links: the old file moves, so until the new
    // one is in place the backup is the only copy, and a whole one.
    if (linkError != EEXIST && rename(mTarget.constData(), backup.constData()) == 0) {
        mBackup = backup;
        mOldMoved = true;
        return NoIOError;
    }
    return CodeOf(linkError, backup);
}

int FileReplacement::commit()
{
    if (mDeviceWritten)
        return NoIOError;
    if (mTemporary.isEmpty())
        return FileNotOpenForOutputCode;
    if (rename(mTemporary.constData(), mTarget.constData()) != 0) {
        const int error = errno;
        abandon();
        return CodeOf(error, mTarget);
    }
    mTemporary.clear();
    mBackup.clear();
    SyncFolder(mTarget);
    return NoIOError;
}

int ReplaceFileContents(const QString &path, const QByteArray &bytes)
{
    FileReplacement file(path);
    const int code = file.write(bytes);
    return code != NoIOError ? code : file.commit();
}

void FileReplacement::abandon()
{
    if (mTemporary.isEmpty())
        return;
    unlink(mTemporary.constData());
    mTemporary.clear();
    if (mOldMoved)
        (void)rename(mBackup.constData(), mTarget.constData());
    else if (!mBackup.isEmpty())
        unlink(mBackup.constData());
    mBackup.clear();
    mOldMoved = false;
}

int CreateExclusively(const QString &path, const QByteArray &bytes, struct stat *created)
{
    const QByteArray name = FileNameBytes(path);
    const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return CodeOf(errno, name);
    int error = WriteAll(fd, bytes);
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (error == 0 && created && fstat(fd, created) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return NoIOError;
    unlink(name.constData());
    return CodeOf(error, name);
}

} // namespace cuefold
