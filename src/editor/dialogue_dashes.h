#pragma once

#include <QByteArray>

namespace cuefold {

// Dialogue form: every row starts with a dash followed directly by the text,
// e.g. "-Kde jsi byl?|-Doma.".

enum class DialogueOutcome {
    Done,
    NoDirectSpeech, // a one-row text cannot be a dialogue; nothing changed
};

struct DialogueEdit {
    DialogueOutcome Outcome = DialogueOutcome::Done;
    QByteArray Text; // the new text (the old one when refused)
};

// Removes the spaces around every break, after a dash that opens a row and
// at the start of the text.
QByteArray TrimSpacesAroundBreaks(QByteArray text);

// Puts a dash before every row and capitalises each row's first letter.
DialogueEdit AddDialogueDashes(const QByteArray &text);
// Drops the opening dash and every dash right after a break.
QByteArray RemoveDialogueDashes(const QByteArray &text);

} // namespace cuefold
