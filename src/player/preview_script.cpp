#include "player/preview_script.h"

#include "config/document_texts.h"
#include "document/text_codec.h"
#include "document/document.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "document/writer.h"
#include "editor/preview_format.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <memory>

namespace cuefold {

namespace {

// The latest time a script gets, 999:59:59.99: later instants are cut to it.
constexpr qint64 MaxScriptHundredths = 1000LL * 3600 * 100 - 1;

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

// A MicroDVD control code that FormatPreview leaves in the text ({c:$0000FF},
// {f:Arial}, {s:20}, {P:1}...) starting at i: its length, else 0.
qsizetype controlCodeLength(const QByteArray &s, qsizetype i)
{
    if (i + 3 >= s.size() || s[i] != '{' || s[i + 2] != ':')
        return 0;
    const char letter = char(s[i + 1] | 0x20);
    if (letter < 'a' || letter > 'z')
        return 0;
    const qsizetype close = s.indexOf('}', i + 3);
    return close < 0 ? 0 : close - i + 1;
}

// UTF-8 text the script shows as it is. Control codes stay out of the
// picture, as they always were. Any other brace would open an override
// block and hide the text up to the next closing one, so it is escaped. A
// backslash is followed by an invisible word joiner, so that "\N" or "\h"
// typed as text stays text. Line ends would end the event; the reader keeps
// none, but a text set by other means must not break the script.
QByteArray literalText(const QByteArray &utf8)
{
    QByteArray out;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (const qsizetype code = controlCodeLength(utf8, i))
            i += code - 1;
        else if (c == '{')
            out += "\\{";
        else if (c == '\\')
            out += "\\\xE2\x81\xA0";
        else if (c == '\r' || c == '\n')
            out += ' ';
        else
            out += c;
    }
    return out;
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
            out += literalText(DocumentCodec().toUnicode(run.text).toUtf8());
        }
    }
    return out;
}

} // namespace

QByteArray ScriptTime(double seconds)
{
    // Also keeps an infinite or undefined instant (a tiny frame rate under
    // huge frames) from reaching the conversion to a whole number.
    const double floored = std::floor(seconds * 100);
    const qint64 hundredths = floored > 0 ? qint64(std::min(floored, double(MaxScriptHundredths))) : 0;
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
    const int first = HoldsFrameRate(doc) ? 2 : 1;
    for (int i = first; i <= doc.LineCount; ++i) {
        const TSubLine &l = doc.line(i);
        // The frames the editor shows: a fraction left by a recalculation
        // must not move the subtitle by a frame.
        const double from = RoundedFrame(l.From);
        const double last = RoundedFrame(l.Last);
        if (from < 0 || last < from || l.Text.isEmpty())
            continue;
        const QByteArray text = eventText(l.Text);
        if (text.isEmpty())
            continue;
        script += "Dialogue: 0," + ScriptTime(from / fps - SafetySeconds) + ','
                  + ScriptTime((last + 1) / fps - SafetySeconds) + ",Default,,0,0,0,," + text + '\n';
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
