#pragma once

#include <QList>
#include <QString>

namespace cuefold {

struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WordSpan &) const = default;
};

// The words of a subtitle text a speller is asked about: runs of letters,
// with an apostrophe between two letters kept inside ("don't"). Formatting
// codes "{...}", the row separator "|", dialogue dashes and other marks only
// separate words, and a run touching a digit is a number ("2x", "3D"), never
// a word.
QList<WordSpan> SpellWords(const QString &text);

} // namespace cuefold
