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
// Typed subtitle number: empty counts as 1, bad characters are deleted.
int ParseIndexInput(QByteArray text);
// A frame in full precision, as the default of an emptied field.
QByteArray FullPrecision(double frame);

} // namespace cuefold
