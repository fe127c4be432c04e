#include "editor/frame_input.h"

#include <algorithm>
#include <cmath>

namespace cuefold {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix that is still on the way to a decimal number
// (sign, digits, fraction, exponent); the number is complete when the prefix
// is the whole text and ends in a digit (or a point after digits).
qsizetype scanDecimal(const QByteArray &s, bool integerOnly, bool &complete)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(s[i]))
        ++i, ++digits;
    if (!integerOnly && i < n && s[i] == '.') {
        ++i;
        while (i < n && isDigit(s[i]))
            ++i, ++digits;
    }
    complete = digits > 0;
    if (!integerOnly && complete && i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isDigit(s[i]))
            ++i, ++expDigits;
        complete = expDigits > 0;
    }
    return i;
}

// Deletes the character at the failing position until the text reads as a
// number; an emptied text starts again from fallback.
QByteArray repairNumber(QByteArray text, const QByteArray &fallback, bool integerOnly, bool &repaired)
{
    for (;;) {
        if (text.isEmpty()) {
            text = fallback;
            repaired = true;
            if (text.isEmpty())
                return "0";
        }
        bool complete = false;
        const qsizetype ok = scanDecimal(text, integerOnly, complete);
        if (ok == text.size() && complete)
            return text;
        text.remove(ok < text.size() ? ok : text.size() - 1, 1);
        repaired = true;
    }
}

} // namespace

FrameInput ParseFrameInput(QByteArray text, const QByteArray &defaultText)
{
    FrameInput r;
    bool repaired = false;
    const QByteArray number = repairNumber(std::move(text), defaultText, false, repaired);
    double v = number.toDouble();
    if (!std::isfinite(v))
        v = 0;
    r.asTyped = !repaired;
    if (v >= 1) {
        r.value = v;
    } else {
        r.value = v == 0 ? 0 : -v;
        r.asTyped = false;
    }
    return r;
}

int ParseIndexInput(QByteArray text)
{
    bool repaired = false;
    const QByteArray number = repairNumber(std::move(text), "1", true, repaired);
    bool ok = false;
    const qlonglong v = number.toLongLong(&ok);
    if (!ok)
        return number.startsWith('-') ? -1 : 1 << 30;
    return int(std::clamp<qlonglong>(v, -1, 1 << 30));
}

QByteArray FullPrecision(double frame)
{
    return QByteArray::number(frame, 'g', 17);
}

bool IsTypedFrameInRange(double value)
{
    return std::isfinite(value) && std::fabs(value) <= MaxTypedFrame;
}

} // namespace cuefold
