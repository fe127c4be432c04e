#pragma once

#include <QByteArray>

namespace cuefold {

struct FrameInput {
    double value = 0;
    bool asTyped = true; // false when the text had to be repaired or defaulted
};

// Typed frame text to a frame: bad characters are deleted one at a time, an
// empty text takes defaultText, a value below 1 is negated (0 stays 0).
FrameInput ParseFrameInput(QByteArray text, const QByteArray &defaultText);
// The largest frame the frame fields take: seven digits, as many as they
// hold, and far beyond any film.
constexpr double MaxTypedFrame = 9999999;
// A typed frame the document may take (a finite whole number the file can hold).
bool IsTypedFrameInRange(double value);
// Typed subtitle number: empty counts as 1, bad characters are deleted.
int ParseIndexInput(QByteArray text);
// A frame in full precision, as the default of an emptied field.
QByteArray FullPrecision(double frame);

} // namespace cuefold
