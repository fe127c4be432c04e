#pragma once

#include <QByteArray>

namespace cuefold {

// Row-break reflows of one subtitle text ("|" separates display rows). Each
// takes the stored text and returns the new one; a text they cannot improve
// comes back unchanged. Only the first two breaks are ever moved.

// The characters that end a word when a break moves by one word.
bool IsWordSeparator(char c);

// Turns the space nearest the middle of a text without "|" into a break.
// False (text untouched) when the text has no space at all.
bool InsertMiddleBreak(QByteArray &text);

// F5: inserts a break, or moves the first one a word to the left, keeping
// punctuation on the upper row.
QByteArray MoveBreakLeft(const QByteArray &text);
// F6: inserts a break, or moves the first one a word to the right.
QByteArray MoveBreakRight(const QByteArray &text);
// Shift+F5 and Shift+F6: the same for the break after the first one.
QByteArray MoveSecondBreakLeft(const QByteArray &text);
QByteArray MoveSecondBreakRight(const QByteArray &text);
// Shift+F8: every break becomes one space. The caller leaves a text without
// "|" alone entirely (no redisplay).
QByteArray RemoveBreaks(const QByteArray &text);
// The same for a part of a text, in one copy.
QByteArray RemoveBreaksIn(QByteArrayView text);

} // namespace cuefold
