#pragma once

#include <QByteArray>
#include <QString>

namespace cuefold {

class Document;

// The line of subtitle i without its line end; `noLock` leaves out the lock
// mark (export, or the frame-rate subtitle).
QByteArray FormatLine(const Document &doc, int i, bool noLock);

// The whole file: every subtitle's line followed by CR LF. An export writes no
// lock marks; the frame-rate subtitle never carries one.
QByteArray SerializeDocument(const Document &doc, bool exportMode);

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
// Moves an existing `path` aside to the first free film.BAK.n, when enabled.
// Writing may go on only when the result is ok.
BackupResult CreateBackup(const QString &path, bool enabled);

// Writes `bytes` as the file `path`; 0 or an I/O error code (io_error.h).
// A regular file is written beside the target and renamed over it, so a
// failed write leaves the old file as it was; devices are written directly.
int WriteSubtitleFile(const QString &path, const QByteArray &bytes);

// The name a "save as" writes to: "..TXT" loses one dot, a name without
// extension gets `defaultExt` (".TXT").
QString CompleteSaveName(QString name, const QString &defaultExt);

} // namespace cuefold
