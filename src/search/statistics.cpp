#include "search/statistics.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "document/document.h"
#include "document/frame_text.h"

#include <QFileInfo>

namespace cuefold {

namespace {

QByteArray Labelled(const QByteArray &caption, int value)
{
    return caption + ' ' + QByteArray::number(value);
}

} // namespace

QByteArray FileAttributeLetters(const QString &path)
{
    const QFileInfo info(path);
    QByteArray letters;
    if (!info.isWritable())
        letters += 'R';
    if (info.fileName().startsWith(u'.'))
        letters += 'H';
    if (info.isDir())
        letters += 'D';
    else if (info.isFile())
        letters += 'A';
    return letters;
}

FileStatistics CollectStatistics(const Document &doc)
{
    FileStatistics s;
    for (int i = 1; i <= doc.LineCount; ++i) {
        const TSubLine &line = doc.SubLines[i];
        if (line.LErr == "{}")
            ++s.MissingEnds;
        if (line.Text.isEmpty())
            ++s.EmptyLines;
        if (line.Lock)
            ++s.LockedLines;
        if (line.Mark)
            ++s.MarkedLines;
        if (doc.isChanged(i))
            ++s.ChangedLines;
    }
    s.Lines = doc.LineCount;
    s.StructChanged = doc.StructChanged;
    s.SyntaxErrors = doc.SyntaxErrorCount;
    s.Overlaps = doc.OverlapCount;

    double fps;
    if (ReadFPSLine(doc, fps))
        s.FrameRate = FpsText(fps);

    const QFileInfo file(doc.SubFileName);
    s.FileFound = !doc.SubFileName.isEmpty() && file.exists();
    if (s.FileFound) {
        s.FileSize = file.size();
        s.Attributes = FileAttributeLetters(doc.SubFileName);
    }
    return s;
}

PropertyLabels ComposePropertyLabels(const FileStatistics &s)
{
    PropertyLabels l;
    if (s.FileFound) {
        l.FileSize = Texts.FileFileSize + ' ' + QByteArray::number(s.FileSize) + ' ' + Texts.FileBytes;
        l.FileAttributes = Texts.FileAttributes + "  " + s.Attributes;
    } else {
        l.FileSize = Texts.FileFileSize + " ? " + Texts.FileBytes;
        l.FileAttributes = Texts.FileAttributes + " ? ";
    }
    l.SyntaxErrors = Labelled(Texts.FileSyntaxErrors, s.SyntaxErrors);
    l.RecalculatedLines = Labelled(Texts.FileRecalculatedLines, s.MissingEnds);
    l.Overlaps = Labelled(Texts.FileOverlaps, s.Overlaps);
    l.FPS = Texts.FileFPS + ' ' + s.FrameRate;
    l.Lines = Labelled(Texts.FileLines, s.Lines);
    l.EmptyLines = Labelled(Texts.FileEmptyLines, s.EmptyLines);
    l.LockLines = Labelled(Texts.FileLockedLines, s.LockedLines);
    l.MarkLines = Labelled(Texts.FileMarkedLines, s.MarkedLines);
    l.ChangedLines = Texts.FileChangedLines + ' ' + (s.StructChanged ? ">" : "")
                     + QByteArray::number(s.ChangedLines);
    return l;
}

FilterLabels ComposeFilterLabels(bool installed, bool usable, const QString &auxFolder)
{
    FilterLabels l;
    if (installed && usable) {
        l.DirectShow = Texts.FileDirectShow + ' ' + Texts.True;
        // A label breaks its lines at LF.
        l.AuxFolder = Texts.FileAuxFolder + '\n' + CodePage::fromUnicode(auxFolder);
    } else {
        l.DirectShow = Texts.FileDirectShow + ' ' + Texts.False;
        if (installed)
            l.AuxFolder = Texts.FileAuxFolder + ' ' + Texts.OptionsLabelPathFail;
    }
    return l;
}

} // namespace cuefold
