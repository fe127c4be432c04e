#include "editor/dialogue_dashes.h"

#include "document/text_codec.h"

namespace cuefold {

namespace {

// Deletes one character of `pattern` while the pattern occurs; a deletion can
// form a new occurrence just before the old one, so each search starts over.
void removeWhileFound(QByteArray &text, QByteArrayView pattern, qsizetype offsetInPattern)
{
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern))
        text.remove(at + offsetInPattern, 1);
}

// Upper-cases the character starting at byte `pos`.
void upperAt(QByteArray &text, qsizetype pos)
{
    if (pos >= text.size())
        return;
    const qsizetype size = DocumentCodec().charSize(text, pos);
    text.replace(pos, size, DocumentCodec().upper(text.mid(pos, size)));
}

} // namespace

QByteArray TrimSpacesAroundBreaks(QByteArray text)
{
    removeWhileFound(text, " |", 0);
    removeWhileFound(text, "| ", 1);
    removeWhileFound(text, "|- ", 2);
    while (text.startsWith(' '))
        text.remove(0, 1);
    while (text.startsWith("- "))
        text.remove(1, 1);
    return text;
}

DialogueEdit AddDialogueDashes(const QByteArray &text)
{
    if (!text.contains('|'))
        return {DialogueOutcome::NoDirectSpeech, text};
    QByteArray result = TrimSpacesAroundBreaks(text);
    if (!result.startsWith('-'))
        result.prepend('-');
    for (qsizetype at = result.indexOf('|'); at >= 0; at = result.indexOf('|', at + 1)) {
        if (at + 1 >= result.size() || result[at + 1] != '-')
            result.insert(at + 1, '-');
    }
    upperAt(result, 1);
    for (qsizetype at = result.indexOf("|-"); at >= 0; at = result.indexOf("|-", at + 2))
        upperAt(result, at + 2);
    return {DialogueOutcome::Done, result};
}

QByteArray RemoveDialogueDashes(const QByteArray &text)
{
    QByteArray result = TrimSpacesAroundBreaks(text);
    if (result.startsWith('-'))
        result.remove(0, 1);
    removeWhileFound(result, "|-", 1);
    return result;
}

} // namespace cuefold
