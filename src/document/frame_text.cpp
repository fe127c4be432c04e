#include "document/frame_text.h"
#include "document/document.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace cuefold {

double RoundedFrame(double frame)
{
    return std::round(frame);
}

QByteArray FrameText(double frame)
{
    // The grid writes two of these per row on every bulk command; to_chars
    // formats without the general number path.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(RoundedFrame(frame))).ptr;
    return QByteArray(digits, end - digits);
}

QByteArray PanelFrameText(double frame)
{
    return frame <= 0 ? QByteArray("?") : FrameText(frame);
}

QByteArray CellFrameText(double frame)
{
    return frame == -1 ? QByteArray("?") : FrameText(frame);
}

bool IsValidFPS(double fps)
{
    return fps > 0 && fps < 61;
}

QByteArray TrimZeros(QByteArray s)
{
    if (!s.contains('.'))
        return s;
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s;
}

QByteArray FpsText(double fps)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10f", fps);
    return TrimZeros(QByteArray(buf));
}

QByteArray CommaToPoint(QByteArray s)
{
    const qsizetype p = s.indexOf(',');
    if (p >= 0)
        s[p] = '.';
    return s;
}

bool ParseDecimal(const QByteArray &text, double &value)
{
    const QByteArray s = CommaToPoint(text);
    if (s.isEmpty())
        return false;
    // Only plain decimal notation: no blanks, hex, "inf" or "nan".
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return false;
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool IsFpsLine(const Document &doc)
{
    if (doc.LineCount < 1)
        return false;
    const TSubLine &l = doc.SubLines[1];
    return (l.From == 0 && l.Last == 0) || (l.From == 1 && l.Last == 1);
}

bool SetFrameRate(Document &doc, double fps)
{
    doc.FPS = fps;
    if (!IsFpsLine(doc))
        return false;
    doc.SubLines[1].Text = FpsText(fps);
    return true;
}

bool ReadFPSLine(const Document &doc, double &fps)
{
    fps = -1;
    if (!IsFpsLine(doc))
        return false;
    double v;
    if (!ParseDecimal(doc.SubLines[1].Text, v) || !IsValidFPS(v))
        return false;
    fps = v;
    return true;
}

bool HoldsFrameRate(const Document &doc)
{
    double fps;
    return ReadFPSLine(doc, fps);
}

} // namespace cuefold
