#include "operations/frame_rate.h"

#include "document/document.h"
#include "document/frame_text.h"

#include <cmath>
#include <numeric>

namespace cuefold {

namespace {

// The rounded forms of N*1000/1001 lie within this of it; no whole rate does.
constexpr double NtscTolerance = 0.005;

FrameRate Reduced(std::int64_t num, std::int64_t den)
{
    const std::int64_t g = std::gcd(num, den);
    return {num / g, den / g};
}

} // namespace

std::optional<FrameRate> MakeFrameRate(std::int64_t num, std::int64_t den)
{
    if (num <= 0 || den <= 0 || !IsValidFPS(double(num) / double(den)))
        return std::nullopt;
    const FrameRate exact = Reduced(num, den);
    const std::int64_t n = std::llround(exact.value() * 1.001);
    if (exact.den != 1 && std::abs(exact.value() - double(n) * 1000.0 / 1001.0) < NtscTolerance)
        return Reduced(n * 1000, 1001);
    return exact;
}

std::optional<FrameRate> RateFromFps(double fps)
{
    if (!IsValidFPS(fps))
        return std::nullopt;
    // FpsText keeps ten decimals: the fraction is exactly the text's number.
    const QByteArray text = FpsText(fps);
    const qsizetype point = text.indexOf('.');
    std::int64_t den = 1;
    for (qsizetype i = point < 0 ? text.size() : point + 1; i < text.size(); ++i)
        den *= 10;
    return MakeFrameRate(QByteArray(text).remove(point < 0 ? text.size() : point, 1).toLongLong(), den);
}

std::optional<FrameRate> ParseFrameRate(const QByteArray &text)
{
    const QByteArray t = text.trimmed();
    if (const qsizetype slash = t.indexOf('/'); slash >= 0) {
        bool numOk = false, denOk = false;
        const std::int64_t num = t.left(slash).trimmed().toLongLong(&numOk);
        const std::int64_t den = t.mid(slash + 1).trimmed().toLongLong(&denOk);
        return numOk && denOk ? MakeFrameRate(num, den) : std::nullopt;
    }
    double fps = 0;
    return ParseDecimal(t, fps) ? RateFromFps(fps) : std::nullopt;
}

QByteArray RateText(const FrameRate &rate)
{
    // An NTSC rate is written the way players and files know it.
    const std::int64_t n = std::llround(rate.value() * 1.001);
    if (rate.den != 1 && rate == Reduced(n * 1000, 1001))
        return FpsText(std::round(rate.value() * 1000) / 1000);
    return FpsText(rate.value());
}

TwoPoints RateConversionPoints(const FrameRate &from, const FrameRate &to)
{
    // frame * (to / from) = frame * DN / DA, both whole and small, so the
    // straight line through 0 computes it exactly up to its one division.
    const FrameRate ratio = Reduced(to.num * from.den, to.den * from.num);
    return {.PA = 0, .PN = 0, .DA = double(ratio.den), .DN = double(ratio.num)};
}

FramePreview RateConversionPreview(const Document &doc, const FrameRate &from, const FrameRate &to, bool spareLocked)
{
    const TimingScope scope{.all = true, .locks = spareLocked ? LockChoice::RespectLocks : LockChoice::IgnoreLocks};
    FramePreview preview = TwoPointPreview(doc, RateConversionPoints(from, to), scope);
    for (int i = 1; i <= doc.LineCount; ++i) {
        if (doc.line(i).From < 0)
            preview[i].From = doc.line(i).From;
        if (doc.line(i).Last < 0)
            preview[i].Last = doc.line(i).Last;
    }
    return preview;
}

} // namespace cuefold
