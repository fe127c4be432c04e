#pragma once

#include <QByteArray>

namespace cuefold {

class Document;

// The whole frame a frame value stands for wherever it is shown or written:
// nearest, exact halves away from zero (2.5 -> 3, -2.5 -> -3).
double RoundedFrame(double frame);
// RoundedFrame as text ("3", "-1"). Used for the file, the table and the
// neighbour previews.
QByteArray FrameText(double frame);
// The panel's frame fields show "?" for anything not above zero.
QByteArray PanelFrameText(double frame);
// Table cells and previews show "?" for the unknown frame -1 only.
QByteArray CellFrameText(double frame);

bool IsValidFPS(double fps);
// Drops trailing zeros after a decimal point, and the point if it is left last.
QByteArray TrimZeros(QByteArray s);
// The frame rate with ten decimals through TrimZeros: 25, 23.976.
QByteArray FpsText(double fps);
// Replaces the first "," by "." (the decimal comma typed by Czech users).
QByteArray CommaToPoint(QByteArray s);
// The whole text as a decimal number (after CommaToPoint); false when any
// character is left over.
bool ParseDecimal(const QByteArray &text, double &value);

// Subtitle 1 with frames 0/0 or 1/1 carries the frame rate as its text.
bool IsFpsLine(const Document &doc);
// Sets fps to -1, then to the rate of the FPS subtitle when it holds a valid one.
bool ReadFPSLine(const Document &doc, double &fps);
// Subtitle 1 is the frame-rate line: its frames as IsFpsLine wants them and
// a valid rate as its text. Frames alone do not make it one: {0}{0}}Hned is
// an ordinary (here locked) subtitle at the very start.
bool HoldsFrameRate(const Document &doc);
// The document's frame rate becomes `fps`, and the FPS subtitle's text with
// it; true when there was such a subtitle to rewrite.
bool SetFrameRate(Document &doc, double fps);

} // namespace cuefold
