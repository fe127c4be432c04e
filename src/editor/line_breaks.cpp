#include "editor/line_breaks.h"

#include "document/text_codec.h"

#include <algorithm>

namespace cuefold {

namespace {

constexpr char Break = '|';

void chopTrailingSpaces(QByteArray &text)
{
    while (text.endsWith(' '))
        text.chop(1);
}

// Moves the first break of `text` (which holds one) a word to the left. The
// punctuation that ends the word before it stays on the upper row.
QByteArray shiftBreakLeft(QByteArray text)
{
    const qsizetype pos = text.indexOf(Break);
    if (pos == 0) {
        text.remove(0, 1);
    } else {
        qsizetype wordEnd = pos;
        while (wordEnd > 0 && IsWordSeparator(text[wordEnd - 1]))
            --wordEnd;
        qsizetype separator = wordEnd - 1;
        while (separator >= 0 && !IsWordSeparator(text[separator]))
            --separator;
        text[pos] = ' ';
        if (separator < 0)
            text.prepend(Break);
        else if (text[separator] == ' ')
            text[separator] = Break;
        else
            text.insert(separator + 1, Break);
    }
    chopTrailingSpaces(text);
    return text;
}

// Moves the first break of `text` (which holds one) behind the next word and
// the separators that follow it.
QByteArray shiftBreakRight(QByteArray text)
{
    const qsizetype length = text.size();
    const qsizetype pos = text.indexOf(Break);
    if (pos == length - 1) {
        text.chop(1);
    } else {
        qsizetype target = -1;
        for (qsizetype i = pos + 1; i < length && target < 0; ++i) {
            if (IsWordSeparator(text[i]) && (i == length - 1 || !IsWordSeparator(text[i + 1])))
                target = i;
        }
        text[pos] = ' ';
        if (target < 0)
            text.append(Break);
        else if (text[target] == ' ' || text[target] == Break)
            text[target] = Break;
        else
            text.insert(target + 1, Break);
    }
    chopTrailingSpaces(text);
    if (text.startsWith(' '))
        text.remove(0, 1);
    return text;
}

using BreakShift = QByteArray (*)(QByteArray);

enum class WordEnd { Before, After };

// A text without a break gets one in the middle, or, when it is a single
// word, at the given end; otherwise the first break moves.
QByteArray moveFirstBreak(const QByteArray &text, BreakShift shift, WordEnd singleWordBreak)
{
    if (text.isEmpty() || text == QByteArray(1, Break))
        return text;
    if (text.contains(Break))
        return shift(text);
    QByteArray result = text;
    if (InsertMiddleBreak(result))
        return result;
    return singleWordBreak == WordEnd::Before ? Break + text : text + Break;
}

// The rows after the first break are handled as a text of their own, except
// that a single word there gets no break at either end.
QByteArray moveSecondBreak(const QByteArray &text, BreakShift shift)
{
    const qsizetype first = text.indexOf(Break);
    if (first < 0)
        return text;
    const QByteArray head = text.left(first + 1);
    QByteArray rest = text.mid(first + 1);
    if (rest.contains(Break))
        return head + shift(rest);
    if (InsertMiddleBreak(rest))
        return head + rest;
    return text;
}

} // namespace

bool IsWordSeparator(char c)
{
    constexpr QByteArrayView separators(" ,.?!:;|");
    return separators.contains(c);
}

bool InsertMiddleBreak(QByteArray &text)
{
    // The middle by characters: separators are ASCII, so the search itself
    // may run over bytes.
    const qsizetype length = DocumentCodec().length(text);
    // 0-based form of "half the length minus one, at least the first character"
    const qsizetype start = DocumentCodec().byteOffset(text, std::max<qsizetype>(length / 2 - 1, 1) - 1);
    qsizetype space = text.indexOf(' ', start);
    if (space < 0 && start < text.size())
        space = text.lastIndexOf(' ', start);
    if (space < 0)
        return false;
    text[space] = Break;
    return true;
}

QByteArray MoveBreakLeft(const QByteArray &text)
{
    return moveFirstBreak(text, shiftBreakLeft, WordEnd::Before);
}

QByteArray MoveBreakRight(const QByteArray &text)
{
    return moveFirstBreak(text, shiftBreakRight, WordEnd::After);
}

QByteArray MoveSecondBreakLeft(const QByteArray &text)
{
    return moveSecondBreak(text, shiftBreakLeft);
}

QByteArray MoveSecondBreakRight(const QByteArray &text)
{
    return moveSecondBreak(text, shiftBreakRight);
}

QByteArray RemoveBreaks(const QByteArray &text)
{
    return RemoveBreaksIn(text);
}

QByteArray RemoveBreaksIn(QByteArrayView text)
{
    QByteArray joined(text.size(), Qt::Uninitialized);
    std::replace_copy(text.cbegin(), text.cend(), joined.begin(), Break, ' ');
    return joined;
}

} // namespace cuefold
