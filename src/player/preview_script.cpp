#include "player/preview_script.h"

#include "config/document_texts.h"
#include "document/code_page.h"
#include "document/document.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "document/writer.h"
#include "editor/preview_format.h"

#include <QFile>
#include <cmath>
#include <memory>

namespace cuefold {

namespace {

// Times are taken this much early before they are cut to hundredths: it
// covers containers that store time stamps rounded to the millisecond or
// coarser, and it is far below one frame at any valid frame rate.
constexpr double SafetySeconds = 0.001;

const char ScriptHead[] =
    "[Script Info]\n"
    "ScriptType: v4.00+\n"
    "PlayResX: 384\n"
    "PlayResY: 288\n"
    "WrapStyle: 2\n"
    "ScaledBorderAndShadow: yes\n"
    "\n"
    "[V4+ Styles]\n"
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, "
    "Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
    "MarginR, MarginV, Encoding\n"
    "Style: Default,Arial,20,&H00FFFFFF,&H000000FF,&H00000000,&H80000000,0,0,0,0,100,100,0,0,1,1.5,0.5,2,10,10,"
    "12,1\n"
    "\n"
    "[Events]\n"
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";

// The override tags that turn the style bits that differ from `from` into `to`.
QByteArray styleTags(int from, int to)
{
    QByteArray tags;
    for (const auto &[bit, tag] : {std::pair{int(StyleBold), "\\b"}, std::pair{int(StyleItalic), "\\i"},
                                   std::pair{int(StyleUnderline), "\\u"}, std::pair{int(StyleStrikeOut), "\\s"}})
        if ((from & bit) != (to & bit))
            tags += tag + QByteArray((to & bit) ? "1" : "0");
    return tags.isEmpty() ? tags : '{' + tags + '}';
}

QByteArray eventText(const QByteArray &text)
{
    QByteArray out;
    int style = 0;
    bool firstRow = true;
    for (const PreviewRow &row : FormatPreview(text)) {
        if (!firstRow)
            out += "\\N";
        firstRow = false;
        for (const PreviewRun &run : row) {
            out += styleTags(style, run.style);
            style = run.style;
            // Line ends would end the event; the reader keeps none, but a
            // text set by other means must not break the script. A backslash
            // is followed by an invisible word joiner, so that "\N" or "\h"
            // typed as text stays text.
            QByteArray plain = CodePage::toUnicode(run.text).toUtf8();
            plain.replace('\r', ' ').replace('\n', ' ').replace("\\", "\\\xE2\x81\xA0");
            out += plain;
        }
    }
    return out;
}

} // namespace

QByteArray ScriptTime(double seconds)
{
    const qint64 hundredths = seconds > 0 ? qint64(std::floor(seconds * 100)) : 0;
    const qint64 totalSeconds = hundredths / 100;
    return QByteArray::number(totalSeconds / 3600) + ':'
           + QByteArray::number(totalSeconds / 60 % 60).rightJustified(2, '0') + ':'
           + QByteArray::number(totalSeconds % 60).rightJustified(2, '0') + '.'
           + QByteArray::number(hundredths % 100).rightJustified(2, '0');
}

QByteArray PreviewScript(const Document &doc, double fps)
{
    QByteArray script = ScriptHead;
    if (!(fps > 0))
        return script;
    const int first = IsFpsLine(doc) ? 2 : 1;
    for (int i = first; i <= doc.LineCount; ++i) {
        const TSubLine &l = doc.line(i);
        if (l.From < 0 || l.Last < l.From || l.Text.isEmpty())
            continue;
        const QByteArray text = eventText(l.Text);
        if (text.isEmpty())
            continue;
        script += "Dialogue: 0," + ScriptTime(l.From / fps - SafetySeconds) + ','
                  + ScriptTime((l.Last + 1) / fps - SafetySeconds) + ",Default,,0,0,0,," + text + '\n';
    }
    return script;
}

int WritePreviewCopy(const QString &sourcePath, const QString &copyPath, double fps)
{
    QFile source(sourcePath);
    const int opened = OpenForReading(source);
    if (opened != NoIOError)
        return opened;
    auto scratch = std::make_unique<Document>();
    ReadSubtitles(source, *scratch, DisplayTimeRuleFromSettings());
    return WriteSubtitleFile(copyPath, PreviewScript(*scratch, fps));
}

} // namespace cuefold
