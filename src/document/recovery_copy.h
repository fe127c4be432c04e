#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace cuefold {

// What a recovery copy keeps of a modified document: the bytes a save would
// write, the name of its file (empty for a document never saved), its frame
// rate and the current subtitle.
struct RecoveryRecord {
    QString path;
    double fps = -1;
    int current = 1;
    QByteArray bytes;
};

QByteArray FormatRecoveryRecord(const RecoveryRecord &record);
// nullopt for anything FormatRecoveryRecord did not write (a copy cut short
// by a crash while it was first created).
std::optional<RecoveryRecord> ParseRecoveryRecord(const QByteArray &file);

// $XDG_STATE_HOME/cuefold/recovery, or ~/.local/state/cuefold/recovery when
// the variable names no absolute folder.
QString RecoveryFolder();

// The running program's own copy in `folder`. While it lives the program
// holds a lock beside the copy, which tells every other program that the
// copy is in use: copies of several programs lie in one folder, and each
// touches only its own and those whose lock nobody holds.
class RecoveryCopy {
public:
    explicit RecoveryCopy(const QString &folder);
    // Closes the lock but leaves the files: a program that ends without a
    // clean exit must leave its copy for the next start.
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy &) = delete;
    RecoveryCopy &operator=(const RecoveryCopy &) = delete;

    // Replaces the copy through the safe file layer; the folder (0700) and
    // the files (0600) are made on the first write. 0 or an I/O error code.
    int write(const RecoveryRecord &record);
    // The document was saved or dropped: the copy goes, the lock stays.
    void remove();
    // A clean exit: the copy and the lock go.
    void release();
    QString path() const;

private:
    bool lock();

    QString mFolder;
    QByteArray mStem; // folder/id, as bytes
    int mLockFd = -1;
};

// A copy left by a program that no longer runs. Its lock is held from the
// moment it is found until this object goes, so a second program starting
// at the same time never offers it too.
class OrphanedCopy {
public:
    ~OrphanedCopy();
    OrphanedCopy(const OrphanedCopy &) = delete;
    OrphanedCopy &operator=(const OrphanedCopy &) = delete;

    // The readable copies in `folder` whose lock could be taken, oldest
    // first. Leftovers without a readable copy are removed on the way.
    static std::vector<std::unique_ptr<OrphanedCopy>> find(const QString &folder);

    const RecoveryRecord &record() const { return mRecord; }
    // Recovered, or not wanted any more: every file of the copy goes.
    void discard();
    // The user said No: the copy is offered once more at the next start, and
    // goes when it is declined again.
    void decline();

private:
    OrphanedCopy(const QByteArray &stem, int lockFd, RecoveryRecord record);

    QByteArray mStem;
    int mLockFd;
    RecoveryRecord mRecord;
};

} // namespace cuefold
