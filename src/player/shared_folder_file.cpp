#include "player/shared_folder_file.h"

#include "document/file_name.h"
#include "document/io_error.h"
#include "document/safe_write.h"
#include "player/subtitle_filter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace cuefold {

namespace {

// The record in a "Cuefold-<pid>-XXXXXX" folder: one line per file beside
// the folder, "<device> <inode> <modified, ns> <name>".
const char RecordName[] = "files";

bool Lstat(const QByteArray &path, struct stat &info)
{
    return lstat(path.constData(), &info) == 0;
}

FileIdentity IdentityOf(const struct stat &info)
{
    return {info.st_dev, info.st_ino, qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// The file at `path` is a plain file of this user, as it was left.
bool SameOwnFile(const QByteArray &path, const FileIdentity &identity)
{
    struct stat info;
    return Lstat(path, info) && S_ISREG(info.st_mode) && info.st_uid == geteuid() && IdentityOf(info) == identity;
}

} // namespace

SharedName ExamineSharedName(const QString &path)
{
    struct stat info;
    if (!Lstat(FileNameBytes(path), info))
        return errno == ENOENT ? SharedName::Free : SharedName::Refused;
    return S_ISREG(info.st_mode) ? SharedName::PlainFile : SharedName::Refused;
}

SharedFolderFile::SharedFolderFile() = default;

SharedFolderFile::SharedFolderFile(const QString &path) : mPath(path) {}

SharedFolderFile::SharedFolderFile(SharedFolderFile &&other) noexcept
    : mPath(std::move(other.mPath))
    , mWritten(std::exchange(other.mWritten, false))
    , mIdentity(other.mIdentity)
    , mRecord(std::move(other.mRecord))
{
}

SharedFolderFile &SharedFolderFile::operator=(SharedFolderFile &&other) noexcept
{
    if (this != &other) {
        remove();
        mPath = std::move(other.mPath);
        mWritten = std::exchange(other.mWritten, false);
        mIdentity = other.mIdentity;
        mRecord = std::move(other.mRecord);
    }
    return *this;
}

SharedFolderFile::~SharedFolderFile()
{
    remove();
}

int SharedFolderFile::write(const QByteArray &bytes)
{
    const QByteArray name = FileNameBytes(mPath);
    switch (ExamineSharedName(mPath)) {
    case SharedName::Refused:
        return AccessDeniedCode;
    case SharedName::PlainFile:
        if (unlink(name.constData()) != 0 && errno != ENOENT)
            return IOErrorCodeFromErrno(errno, mPath);
        break;
    case SharedName::Free:
        break;
    }
    mWritten = false;
    struct stat created;
    if (const int code = CreateExclusively(mPath, bytes, &created); code != NoIOError) {
        mRecord.reset();
        return code;
    }
    mWritten = true;
    mIdentity = IdentityOf(created);
    // Without a record only the clean-up after a kill is lost.
    record();
    return NoIOError;
}

void SharedFolderFile::record()
{
    if (!mRecord) {
        mRecord = std::make_unique<QTemporaryDir>(PreviewFolderTemplate(QFileInfo(mPath).path()));
        if (!mRecord->isValid()) {
            mRecord.reset();
            return;
        }
    }
    QFile file(mRecord->filePath(QLatin1String(RecordName)));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray::number(qulonglong(mIdentity.device)) + ' ' + QByteArray::number(qulonglong(mIdentity.inode))
                   + ' ' + QByteArray::number(mIdentity.modifiedNs) + ' ' + FileNameBytes(QFileInfo(mPath).fileName())
                   + '\n');
}

void SharedFolderFile::remove()
{
    const QByteArray name = FileNameBytes(mPath);
    if (mWritten && SameOwnFile(name, mIdentity))
        unlink(name.constData());
    mWritten = false;
    mRecord.reset(); // the record folder goes with it
}

void RemoveRecordedFiles(const QString &recordFolder)
{
    QFile record(QDir(recordFolder).filePath(QLatin1String(RecordName)));
    if (!record.open(QIODevice::ReadOnly))
        return;
    const QByteArray folder = FileNameBytes(QFileInfo(recordFolder).path()) + '/';
    for (const QByteArray &line : record.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 4)
            continue;
        bool ok[3] = {};
        const FileIdentity identity{dev_t(fields[0].toULongLong(&ok[0])), ino_t(fields[1].toULongLong(&ok[1])),
                                    fields[2].toLongLong(&ok[2])};
        // The name is the rest of the line, blanks included.
        const QByteArray name = line.mid(fields[0].size() + fields[1].size() + fields[2].size() + 3);
        if (!ok[0] || !ok[1] || !ok[2] || name.isEmpty() || name.contains('/') || name == "." || name == "..")
            continue;
        const QByteArray path = folder + name;
        if (SameOwnFile(path, identity))
            unlink(path.constData());
    }
}

} // namespace cuefold
