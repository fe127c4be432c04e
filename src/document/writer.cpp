#include "document/writer.h"
#include "document/code_page.h"
#include "document/document.h"
#include "document/frame_text.h"
#include "document/io_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace cuefold {

namespace {

// Position of the extension's dot in the file-name part, or -1.
qsizetype ExtensionDot(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    return dot > slash ? dot : -1;
}

// A write that stored fewer bytes than asked without naming a system error
// ran out of room (a full disk, a quota, a file-size limit).
int WriteFailureCode(const QFileDevice &file, const QString &path)
{
    const int code = IOErrorCodeOf(file, path);
    return code == NoIOError ? DiskFullCode : code;
}

int WriteThroughTemporaryFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Without write access to the folder the file is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return IOErrorCodeOf(file, path);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int code = WriteFailureCode(file, path);
        file.cancelWriting();
        return code;
    }
    if (!file.commit())
        return WriteFailureCode(file, path);
    return NoIOError;
}

// Devices and pipes cannot be replaced by a renamed file.
int WriteInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return IOErrorCodeOf(file, path);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return WriteFailureCode(file, path);
    return NoIOError;
}

} // namespace

QByteArray FormatLine(const Document &doc, int i, bool noLock)
{
    const TSubLine &line = doc.SubLines[i];
    const bool lockMark = line.Lock && !noLock;
    return '{' + FrameText(line.From) + "}{" + FrameText(line.Last) + (lockMark ? "}}" : "}") + line.Text;
}

QByteArray SerializeDocument(const Document &doc, bool exportMode)
{
    QByteArray out;
    for (int i = 1; i <= doc.LineCount; ++i) {
        // Other programs read the frame rate only from a plain {1}{1} line.
        const bool noLock = exportMode || (i == 1 && IsFpsLine(doc));
        out += FormatLine(doc, i, noLock);
        out += "\r\n";
    }
    return out;
}

QString BackupStem(const QString &path)
{
    const qsizetype dot = ExtensionDot(path);
    return (dot < 0 ? path : path.left(dot)) + QStringLiteral(".BAK");
}

BackupResult CreateBackup(const QString &path, bool enabled)
{
    BackupResult result;
    if (!enabled || !QFileInfo::exists(path))
        return result;
    const QString stem = BackupStem(path);
    int n = 0;
    while (n < MaxBackupCount && QFileInfo::exists(stem + u'.' + QString::number(n)))
        ++n;
    result.BackupName = stem + u'.' + QString::number(n);
    if (n == MaxBackupCount)
        result.Status = BackupStatus::TooManyBackups;
    else if (!QFile::rename(path, result.BackupName))
        result.Status = BackupStatus::RenameFailed;
    return result;
}

int WriteSubtitleFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return AccessDeniedCode;
    if (target.exists() && !target.isFile())
        return WriteInPlace(path, bytes);
    return WriteThroughTemporaryFile(path, bytes);
}

QString CompleteSaveName(QString name, const QString &defaultExt)
{
    const qsizetype doubled = name.indexOf(u'.' + defaultExt);
    if (doubled >= 0)
        name.remove(doubled, 1);
    if (ExtensionDot(name) < 0)
        name += defaultExt;
    return name;
}

} // namespace cuefold
