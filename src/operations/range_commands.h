#pragma once

#include "operations/bulk_scope.h"

#include <QByteArray>

namespace cuefold {

class Document;

// A dialogue subtitle has a row after the first opening with a dash ("|-");
// a dash at the very start alone makes none.
bool IsDialogue(const QByteArray &text);

// Every break becomes a blank, except that a break closing the text is
// dropped instead of leaving a trailing blank.
QByteArray RemoveAllBreaks(const QByteArray &text);

// Which subtitles of the range the break removal touches.
enum class RangeStint {
    RespectLock, // unlocked ones only
    IgnoreLock,  // all of them
    MarkedOnly,  // marked ones, locked or not
};

// The choices of the range dialog; they outlive one use of it.
struct RangeChoice {
    bool FromCurrent = false; // begin: the current subtitle instead of the first
    bool ToCurrent = false;   // end: the current subtitle instead of the last
    RangeStint Stint = RangeStint::RespectLock;
    bool Except = false;      // spare dialogue subtitles
};

// First..last of the chosen range, kept inside the document; empty when an
// end is the current subtitle and there is none.
LineRange ChosenRange(const Document &doc, const RangeChoice &choice);

// The three range commands. Each returns the number of subtitles it changed,
// the count the status bar's message panel shows (0 included); `changed` is
// told each of them.
// Remove breaks: the stint picks the subtitles; Except keeps dialogues broken.
int RemoveBreaksInRange(Document &doc, const RangeChoice &choice);
// Lock (lock = true) or unlock every subtitle of the range, whatever the
// stint. With Except, locking touches dialogues only and unlocking spares them.
int SetLockInRange(Document &doc, const RangeChoice &choice, bool lock);

// Clears every mark of the document; returns how many there were.
int UnmarkAll(Document &doc);

} // namespace cuefold
