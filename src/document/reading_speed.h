#pragma once

#include <QByteArray>
#include <QList>

namespace cuefold {

class Document;

// The limits a subtitle is read against: characters per second and
// characters in one display row.
struct ReadingLimits {
    int MaxCPS = 17;
    int MaxRowLength = 42;
};

// How fast a subtitle reads and how long its rows are, over what a viewer
// sees: formatting codes "{...}" and the row separator "|" are left out.
struct ReadingSpeed {
    double Cps = -1;        // -1 while the frame rate or the duration gives none
    QList<int> RowLengths;  // one per display row

    bool tooFast(const ReadingLimits &limits) const { return Cps > limits.MaxCPS; }
    bool rowTooLong(int row, const ReadingLimits &limits) const { return RowLengths[row] > limits.MaxRowLength; }
    bool overLimits(const ReadingLimits &limits) const;
};

// Visible characters of each display row. A "{" counts as text when no "}"
// closes it within its row, as the players show it then.
QList<int> VisibleRowLengths(const QByteArray &text);

// A subtitle shown from frame `from` to frame `last` (both on screen) at
// `fps` frames per second.
ReadingSpeed MeasureReading(const QByteArray &text, double from, double last, double fps);

// Subtitle `i` at the document's frame rate. The frame-rate line is nothing
// to read and measures as nothing: no speed and no rows.
ReadingSpeed MeasureSubtitle(const Document &doc, int i);
bool IsFrameRateLine(const Document &doc, int i);

} // namespace cuefold
