#pragma once

#include "document/reading_speed.h"
#include "editor/speller.h"
#include "player/shot_list.h"

#include <QByteArray>

namespace cuefold {

class Document;

// The twelve things the find dialog looks for, in the order of its choices.
enum class FindWhat {
    SyntaxError, // a frame field failed to parse (while SyntaxErrorCount >= 1)
    MissingEnd,  // the end frame was computed on reading (LErr "{}")
    Empty,       // empty text
    Locked,
    Marked,
    Changed,     // From, Last, Text or Lock differ from the saved copy
    Overlap,     // a repair note, the review's own search (FindNextRepair)
    Punctuation, // PunctuationRule finds a fault
    RowLimit,    // more rows than FindOptions::RowLimit (0 matches every one)
    Text,        // the text holds FindOptions::Text
    TooFast,     // reads faster than FindOptions::MaxCPS
    Spelling,    // a word FindOptions::Spelling does not know (none without a speller)
    NearShot,    // starts or ends near a shot change of FindOptions::Shots (NearShot)
};
inline constexpr int FindWhatCount = 13;

struct FindOptions {
    QByteArray Text = {};       // Text: an empty one matches nothing
    bool CaseSensitive = false; // else both sides upper-cased by the document's codec
    int RowLimit = 0;           // RowLimit
    int MaxCPS = ReadingLimits().MaxCPS; // TooFast
    const Speller *Spelling = nullptr;  // Spelling
    ShotSnap Shots = {};        // NearShot
};

// 1 + the number of "|"; an empty text has one row.
int RowCount(const QByteArray &text);

// The first punctuation rule (1 to 6) a subtitle text breaks, 0 for none.
// `next` is the following subtitle's text, or nullptr for the last subtitle.
int PunctuationRule(const QByteArray &text, const QByteArray *next);

// The first subtitle after `after` (to the end, never wrapping) that matches;
// 0 when none. The subtitle `after` itself is never examined.
int FindNextMatch(const Document &doc, FindWhat what, const FindOptions &options, int after);

} // namespace cuefold
