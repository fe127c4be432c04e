#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace cuefold {

// Replaces the contents of one file so that, whenever the process stops, the
// file holds either its old or its new contents:
//   FileReplacement file(path);       // trusted links followed, target checked
//   file.write(bytes);                // a flushed temporary file beside it
//   file.keepOldAs(backupName);       // optional: the old file stays too
//   file.commit();                    // renamed over the target
// Each step returns 0 or an I/O error code (io_error.h) and the next step
// runs only after a 0. A replacement never committed leaves the target as it
// was and removes its temporary file. Devices and pipes, which cannot be
// replaced by a renamed file, are written directly by write(). A link in a
// folder others may write to is trusted only when it belongs to the writer
// or to the folder's owner; any other gives AccessDeniedCode.
class FileReplacement {
public:
    explicit FileReplacement(const QString &path);
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // 0 when the target may be written: a new file, or an existing file or
    // device that is writable by its permission bits.
    int status() const { return mStatus; }
    // The file really written: `path` with its symbolic links followed.
    QString target() const;
    // An existing regular file gets replaced (so it can be kept as a backup).
    bool replacesFile() const { return mExists && S_ISREG(mOld.st_mode); }

    int write(const QByteArray &bytes);
    // Gives the old file the extra name `name` (a hard link; where the file
    // system has none, the old file is moved there). Only for replacesFile().
    int keepOldAs(const QString &name);
    int commit();

private:
    int writeTemporary(const QByteArray &bytes);
    // Removes the temporary file and the backup name given since.
    void abandon();

    QByteArray mTarget;
    struct stat mOld {};
    bool mExists = false;
    int mStatus = 0;
    QByteArray mTemporary; // empty once renamed or removed
    QByteArray mBackup;
    bool mOldMoved = false; // the old file was moved to mBackup, not linked
    bool mDeviceWritten = false;
};

// The whole replacement in one: `path` holds `bytes`, or what it held
// before. 0 or an I/O error code.
int ReplaceFileContents(const QString &path, const QByteArray &bytes);

// Creates the file `path` holding `bytes` only when nothing stands at its
// name, not even a link (O_CREAT | O_EXCL | O_NOFOLLOW): how the program
// writes a file of its own into a folder others may write to. The contents
// are flushed to disk; a failed write removes the file again. `created`, when
// given, receives the new file's status once written. 0 or an I/O error code.
int CreateExclusively(const QString &path, const QByteArray &bytes, struct stat *created = nullptr);

} // namespace cuefold
