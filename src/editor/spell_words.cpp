#include "editor/spell_words.h"

namespace cuefold {

namespace {

bool IsWordLetter(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isLetter() || c.isMark())
        return true;
    // An apostrophe joins two letters into one word.
    return (c == u'\'' || c == u'\u2019') && i > 0 && i + 1 < text.size() && text[i - 1].isLetter()
           && text[i + 1].isLetter();
}

} // namespace

QList<WordSpan> SpellWords(const QString &text)
{
    QList<WordSpan> words;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        if (c == u'{') {
            // A code closed within its row is skipped whole.
            const qsizetype close = text.indexOf(u'}', i + 1);
            const qsizetype bar = text.indexOf(u'|', i + 1);
            if (close > i && (bar < 0 || close < bar)) {
                i = close + 1;
                continue;
            }
        }
        if (!IsWordLetter(text, i)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < size && IsWordLetter(text, i))
            ++i;
        const bool number = (start > 0 && text[start - 1].isDigit()) || (i < size && text[i].isDigit());
        if (!number)
            words.append({start, i - start});
    }
    return words;
}

} // namespace cuefold
