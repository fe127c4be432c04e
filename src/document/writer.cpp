#include "document/writer.h"
#include "document/code_page.h"
#include "document/document.h"
#include "document/file_name.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/safe_write.h"
#include "document/text_codec.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace cuefold {

namespace {

// Position of the extension's dot in the file-name part, or -1.
qsizetype ExtensionDot(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    return dot > slash ? dot : -1;
}

// A name in use, also by a symbolic link that leads nowhere.
bool NameTaken(const QString &path)
{
    struct stat info;
    return lstat(FileNameBytes(path).constData(), &info) == 0;
}

// The first free film.BAK.n for `path`, or TooManyBackups.
BackupResult FreeBackupName(const QString &path)
{
    BackupResult result;
    const QString stem = BackupStem(path);
    int n = 0;
    while (n < MaxBackupCount && NameTaken(stem + u'.' + QString::number(n)))
        ++n;
    result.BackupName = stem + u'.' + QString::number(n);
    if (n == MaxBackupCount)
        result.Status = BackupStatus::TooManyBackups;
    return result;
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
    // The texts are already bytes of the document's encoding.
    QByteArray out = doc.Encoding.Bom ? QByteArray(Utf8Bom) : QByteArray();
    for (int i = 1; i <= doc.LineCount; ++i) {
        // Other programs read the frame rate only from a plain {1}{1} line.
        const bool noLock = exportMode || (i == 1 && HoldsFrameRate(doc));
        out += FormatLine(doc, i, noLock);
        out += "\r\n";
    }
    return out;
}

QByteArray SerializeDocumentAs(const Document &doc, bool exportMode, const TextEncoding &to, QString &missing)
{
    QByteArray bytes = SerializeDocument(doc, exportMode);
    if (doc.Encoding.Bom)
        bytes.remove(0, 3);
    const TextCodec from(doc.Encoding.Name);
    const TextCodec target(to.Name);
    if (from.name() != target.name()) {
        const QString text = from.toUnicode(bytes);
        missing = target.unholdable(text);
        if (!missing.isEmpty())
            return {};
        bytes = target.fromUnicode(text);
    }
    return to.Bom && target.isUtf8() ? Utf8Bom + bytes : bytes;
}

QString BackupStem(const QString &path)
{
    const qsizetype dot = ExtensionDot(path);
    return (dot < 0 ? path : path.left(dot)) + QStringLiteral(".BAK");
}

SaveResult SaveSubtitleFile(const QString &path, const QByteArray &bytes, bool backups)
{
    SaveResult result;
    FileReplacement file(path);
    result.IOCode = file.status();
    if (result.IOCode != NoIOError)
        return result;
    const bool keepOld = backups && file.replacesFile();
    if (keepOld) {
        result.Backup = FreeBackupName(file.target());
        if (!result.Backup.ok())
            return result;
    }
    result.IOCode = file.write(bytes);
    if (result.IOCode != NoIOError)
        return result;
    if (keepOld && file.keepOldAs(result.Backup.BackupName) != NoIOError) {
        result.Backup.Status = BackupStatus::RenameFailed;
        return result;
    }
    result.IOCode = file.commit();
    return result;
}

int WriteSubtitleFile(const QString &path, const QByteArray &bytes)
{
    return SaveSubtitleFile(path, bytes, false).IOCode;
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
