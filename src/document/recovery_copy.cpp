#include "document/recovery_copy.h"

#include "document/file_name.h"
#include "document/io_error.h"
#include "document/safe_write.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <unistd.h>

namespace cuefold {

namespace {

constexpr char Magic[] = "Cuefold recovery copy 1\n";
constexpr char CopySuffix[] = ".copy";
constexpr char LockSuffix[] = ".lock";
constexpr char DeclinedSuffix[] = ".declined";

bool Exists(const QByteArray &name)
{
    struct stat info;
    return lstat(name.constData(), &info) == 0;
}

bool SameFile(int fd, const QByteArray &name)
{
    struct stat held, named;
    return fstat(fd, &held) == 0 && lstat(name.constData(), &named) == 0 && held.st_dev == named.st_dev
           && held.st_ino == named.st_ino;
}

// The lock file `name` opened and locked, or -1. A lock file removed by
// its last user between our open and our lock is not the one the name now
// stands for: such a lock guards nothing, so the open is tried again.
int TakeLock(const QByteArray &name, bool wait)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return -1;
        if (flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
            close(fd);
            return -1;
        }
        if (SameFile(fd, name))
            return fd;
        close(fd);
    }
    return -1;
}

// Makes `folder` and the folders above it, each new one private to the user.
bool MakeFolder(const QByteArray &folder)
{
    if (folder.isEmpty() || Exists(folder))
        return true;
    const qsizetype slash = folder.lastIndexOf('/');
    if (slash > 0 && !MakeFolder(folder.left(slash)))
        return false;
    return mkdir(folder.constData(), 0700) == 0 || errno == EEXIST;
}

QByteArray ReadFile(const QByteArray &name)
{
    QFile file(FileNameFromBytes(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray FormatRecoveryRecord(const RecoveryRecord &record)
{
    return Magic + QByteArray("path ") + FileNameBytes(record.path).toHex() + "\nfps "
           + QByteArray::number(record.fps, 'g', 17) + "\ncurrent " + QByteArray::number(record.current) + "\n\n"
           + record.bytes;
}

std::optional<RecoveryRecord> ParseRecoveryRecord(const QByteArray &file)
{
    const qsizetype end = file.indexOf("\n\n");
    if (!file.startsWith(Magic) || end < 0)
        return std::nullopt;
    RecoveryRecord record;
    int found = 0;
    bool ok = true;
    for (const QByteArray &line : file.mid(sizeof Magic - 1, end - qsizetype(sizeof Magic - 1)).split('\n')) {
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = line.left(space), value = space < 0 ? QByteArray() : line.mid(space + 1);
        bool valueOk = true;
        if (key == "path")
            record.path = FileNameFromBytes(QByteArray::fromHex(value));
        else if (key == "fps")
            record.fps = value.toDouble(&valueOk);
        else if (key == "current")
            record.current = value.toInt(&valueOk);
        else
            continue;
        ok = ok && valueOk;
        ++found;
    }
    if (!ok || found != 3)
        return std::nullopt;
    record.bytes = file.mid(end + 2);
    return record;
}

QString RecoveryFolder()
{
    QByteArray state = qgetenv("XDG_STATE_HOME");
    if (!state.startsWith('/'))
        state = qgetenv("HOME") + "/.local/state";
    return FileNameFromBytes(state + "/cuefold/recovery");
}

RecoveryCopy::RecoveryCopy(const QString &folder)
    : mFolder(folder)
    , mStem(FileNameBytes(folder) + '/' + QByteArray::number(getpid()) + '-'
            + QByteArray::number(QRandomGenerator::global()->generate(), 16))
{
}

RecoveryCopy::~RecoveryCopy()
{
    if (mLockFd >= 0)
        close(mLockFd);
}

QString RecoveryCopy::path() const { return FileNameFromBytes(mStem + CopySuffix); }

bool RecoveryCopy::lock()
{
    if (mLockFd >= 0)
        return true;
    const QByteArray folder = FileNameBytes(mFolder);
    if (!MakeFolder(folder) || chmod(folder.constData(), 0700) != 0)
        return false;
    mLockFd = TakeLock(mStem + LockSuffix, true);
    return mLockFd >= 0;
}

int RecoveryCopy::write(const RecoveryRecord &record)
{
    if (!lock())
        return IOErrorCodeFromErrno(errno, mFolder);
    // A replacement keeps the mode of the file it replaces: the first copy
    // starts as an empty private file, so no write ever shows it to others.
    const QByteArray name = mStem + CopySuffix;
    if (!Exists(name)) {
        const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return IOErrorCodeFromErrno(errno, path());
        close(fd);
    }
    return ReplaceFileContents(path(), FormatRecoveryRecord(record));
}

void RecoveryCopy::remove()
{
    if (mLockFd >= 0)
        unlink((mStem + CopySuffix).constData());
}

void RecoveryCopy::release()
{
    if (mLockFd < 0)
        return;
    remove();
    unlink((mStem + LockSuffix).constData());
    close(mLockFd);
    mLockFd = -1;
}

OrphanedCopy::OrphanedCopy(const QByteArray &stem, int lockFd, RecoveryRecord record)
    : mStem(stem)
    , mLockFd(lockFd)
    , mRecord(std::move(record))
{
}

OrphanedCopy::~OrphanedCopy()
{
    if (mLockFd >= 0)
        close(mLockFd);
}

std::vector<std::unique_ptr<OrphanedCopy>> OrphanedCopy::find(const QString &folder)
{
    std::set<QByteArray> stems;
    for (const FolderEntry &entry : ListFolder(folder)) {
        const QByteArray name = FileNameBytes(entry.name);
        for (const char *suffix : {CopySuffix, LockSuffix, DeclinedSuffix})
            if (!entry.folder && name.endsWith(suffix))
                stems.insert(FileNameBytes(folder) + '/' + name.chopped(qsizetype(strlen(suffix))));
    }
    std::vector<std::pair<timespec, std::unique_ptr<OrphanedCopy>>> found;
    for (const QByteArray &stem : stems) {
        const int fd = TakeLock(stem + LockSuffix, false);
        if (fd < 0)
            continue; // its program runs
        std::unique_ptr<OrphanedCopy> copy(new OrphanedCopy(stem, fd, {}));
        const std::optional<RecoveryRecord> record = ParseRecoveryRecord(ReadFile(stem + CopySuffix));
        struct stat info;
        if (!record || lstat((stem + CopySuffix).constData(), &info) != 0) {
            copy->discard();
            continue;
        }
        copy->mRecord = *record;
        found.emplace_back(info.st_mtim, std::move(copy));
    }
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        return a.first.tv_sec != b.first.tv_sec ? a.first.tv_sec < b.first.tv_sec : a.first.tv_nsec < b.first.tv_nsec;
    });
    std::vector<std::unique_ptr<OrphanedCopy>> copies;
    for (auto &entry : found)
        copies.push_back(std::move(entry.second));
    return copies;
}

void OrphanedCopy::discard()
{
    if (mLockFd < 0)
        return;
    // The lock goes last: until then no other program takes the copy up.
    unlink((mStem + CopySuffix).constData());
    unlink((mStem + DeclinedSuffix).constData());
    unlink((mStem + LockSuffix).constData());
    close(mLockFd);
    mLockFd = -1;
}

void OrphanedCopy::decline()
{
    const QByteArray mark = mStem + DeclinedSuffix;
    if (Exists(mark)) {
        discard();
        return;
    }
    const int fd = open(mark.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0)
        close(fd);
}

} // namespace cuefold
