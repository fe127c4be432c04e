#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <QString>

#include <memory>
#include <sys/types.h>

class QTemporaryDir;

namespace cuefold {

// What stands at the name of a file the program keeps in a folder others may
// write to (the filter's folder), links not followed.
enum class SharedName {
    Free,      // nothing, not even a link leading nowhere
    PlainFile, // a regular file: overwritten only when the user agrees
    Refused,   // a symbolic link, a folder, a device...: never written
};
SharedName ExamineSharedName(const QString &path);

// A file as it was left: a file of the same name made since, even on a
// reused inode, or the same file written since, is another.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileIdentity &) const = default;
};

// A file of the program's own in a folder others may write to: the timing
// tests' subtitle file in the filter's folder. Its name is only ever created
// exclusively, never through a link, so nothing planted there makes the
// program write elsewhere. While the file exists, a folder
// "Cuefold-<pid>-XXXXXX" beside it records it, so that a later run removes
// it when this one was killed (RemoveStalePreviewFolders).
class SharedFolderFile {
public:
    SharedFolderFile();
    explicit SharedFolderFile(const QString &path);
    SharedFolderFile(SharedFolderFile &&) noexcept;
    SharedFolderFile &operator=(SharedFolderFile &&) noexcept;
    // Removes the file as remove() does.
    ~SharedFolderFile();

    const QString &path() const { return mPath; }
    // This object created the file and has not removed it.
    bool written() const { return mWritten; }

    // Writes `bytes` as the file. A plain file at the name (this one's own,
    // or one the user agreed to overwrite) is removed first; then the name is
    // created with O_CREAT | O_EXCL | O_NOFOLLOW. Returns 0 or an I/O error
    // code; anything but a plain file at the name gives AccessDeniedCode and
    // stays as it was. A failed write removes what it created.
    int write(const QByteArray &bytes);
    // Removes the file when it is still the one written, and its record.
    void remove();

private:
    // Records the file in this process's folder beside it.
    void record();

    QString mPath;
    bool mWritten = false;
    FileIdentity mIdentity;
    std::unique_ptr<QTemporaryDir> mRecord;
};

// Removes the files a record folder of a dead process names, from the folder
// beside it, when each is still a plain file of this user with the recorded
// identity. Run on stale folders before they go.
void RemoveRecordedFiles(const QString &recordFolder);

} // namespace cuefold
