#pragma once

#include "operations/timing_previews.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace cuefold {

class Document;

// A frame rate as an exact fraction in lowest terms. The NTSC rates are kept
// as N*1000/1001 however they came in: 23.976, 23.98 and 2997/125 all mean
// the 24000/1001 of the movie.
struct FrameRate {
    std::int64_t num = 0;
    std::int64_t den = 1;
    double value() const { return double(num) / double(den); }
    bool operator==(const FrameRate &) const = default;
};

// num/den as a rate; nullopt unless both are above zero and the rate is one
// IsValidFPS takes.
std::optional<FrameRate> MakeFrameRate(std::int64_t num, std::int64_t den);
// The rate a frame-rate line or the rate question holds, its decimals taken
// exactly.
std::optional<FrameRate> RateFromFps(double fps);
// Typed text: a decimal ("25", "23,976") or a fraction ("24000/1001").
std::optional<FrameRate> ParseFrameRate(const QByteArray &text);
// The rate as a frame-rate line says it: "25", "23.976", "29.97".
QByteArray RateText(const FrameRate &rate);

// The two points of the two-point recalculation that scale every frame by
// the ratio of the rates, so a frame keeps its time.
TwoPoints RateConversionPoints(const FrameRate &from, const FrameRate &to);
// Every subtitle's frames moved from `from` to `to` through the two-point
// recalculation; locked ones stay when `spareLocked`, and an unknown frame
// stays unknown.
FramePreview RateConversionPreview(const Document &doc, const FrameRate &from, const FrameRate &to, bool spareLocked);

} // namespace cuefold
