#pragma once

#include <QByteArray>
#include <QString>

namespace cuefold {

class Document;
struct TextEncoding;

// The line of subtitle i without its line end; `noLock` leaves out the lock
// mark (export, or the frame-rate subtitle).
QByteArray FormatLine(const Document &doc, int i, bool noLock);

// The whole file: every subtitle's line followed by CR LF, after a UTF-8 mark
// when the file read had one. An export writes no lock marks; the frame-rate
// subtitle never carries one.
QByteArray SerializeDocument(const Document &doc, bool exportMode);
// The same in encoding `to` (its mark as `to` says), the texts converted from
// the document's encoding. When `to` cannot hold some of their characters,
// `missing` names them and nothing is returned.
QByteArray SerializeDocumentAs(const Document &doc, bool exportMode, const TextEncoding &to, QString &missing);

enum class BackupStatus { Ok, TooManyBackups, RenameFailed };

struct BackupResult {
    BackupStatus Status = BackupStatus::Ok;
    QString BackupName; // the name the old file got, or would have got

    bool ok() const { return Status == BackupStatus::Ok; }
};

// Backups are numbered from 0; this many are the most a file may have.
constexpr int MaxBackupCount = 999;
// Shown when every backup number is taken; not part of the language table.
inline constexpr char TooManyBackupsText[] = "Too many BAK files, dude!";

// film.sub -> film.BAK: the name the numbered backups of `path` start with.
QString BackupStem(const QString &path);

struct SaveResult {
    // Not ok: the old file could not be kept, and nothing was written.
    BackupResult Backup;
    // Otherwise 0 or the I/O error code (io_error.h) of the write.
    int IOCode = 0;

    bool ok() const { return Backup.ok() && IOCode == 0; }
};

// Saves `bytes` as the file `path`, keeping the old file as the first free
// film.BAK.n when `backups` is on. Symbolic links are followed (the file they
// lead to is written, its backup lies beside it), except one that someone
// else planted in a folder others may write to (FileReplacement). A file not writable by its
// permission bits is refused, also for root. The new contents go to a
// temporary file beside the target, flushed to disk, which then takes the
// target's name and the old file's mode and owner; so at any moment the file
// holds its old or its new contents, and a failure leaves it untouched. A
// folder where no temporary file can be made refuses the save. Devices are
// written directly.
SaveResult SaveSubtitleFile(const QString &path, const QByteArray &bytes, bool backups);
// The same without a backup; 0 or an I/O error code.
int WriteSubtitleFile(const QString &path, const QByteArray &bytes);

// The name a "save as" writes to: "..TXT" loses one dot, a name without
// extension gets `defaultExt` (".TXT").
QString CompleteSaveName(QString name, const QString &defaultExt);

} // namespace cuefold
