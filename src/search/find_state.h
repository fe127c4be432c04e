#pragma once

#include "search/find_rules.h"

#include <QByteArray>

namespace cuefold {

class Document;

// What an unsuccessful search says.
enum class FindMessage {
    None,      // found: the match becomes current, nothing is shown
    NoneFound, // "Žádný označený titulek nebyl nalezen"...
    NoFurther, // "Žádný další označený titulek nebyl nalezen"...
};

// The search right after the dialog, or one from subtitle 1, found nothing
// at all; any other has run past the last match.
FindMessage UnsuccessfulMessage(bool fresh, int currentLine);

// The message text of a category (FindDialogCaption is the box's caption).
const QByteArray &FindMessageText(FindWhat what, FindMessage message);
// The dialog's caption for a category (RowLimit and Text take Find9 and Find8).
const QByteArray &FindWhatCaption(FindWhat what);

// The row-limit field holds a whole decimal number of at least 0.
bool ReadRowLimit(const QByteArray &text, int &limit);

// What the search remembers between Find and Find next.
struct FindState {
    int FindCategory = -1;     // the last search's category; -1 none chosen
    int FindLastCategory = 0;  // what the dialog selects when it opens next
    bool FindFresh = false;    // the dialog's Find was pressed, its search pending
    bool FindCancelled = false;
    int FindRowLimit = -1;     // the row limit confirmed in the dialog

    // Every new or opened document starts without a category.
    void reset() { FindCategory = -1; }
    // The dialog opens: returns the category its choices select. Choosing
    // another one in the dialog sets FindCategory.
    int dialogShown();
    // The dialog's Find button; rowLimit counts for the row-limit category.
    void confirmed(int rowLimit);
    // The dialog closes, by Find or not.
    void dialogClosed();
};

struct FindResult {
    int Line = 0;  // the match to make current, 0 for none
    FindMessage Message = FindMessage::None;
};

// Find next: searches FindCategory from the current subtitle on and updates
// the state. A search from subtitle 1 that finds nothing forgets the
// category, so the next Find next opens the dialog. Nothing is searched
// (and nothing changes) while no category is chosen. For Overlap with no
// result the window disables Accept before the message. Spelling asks
// `speller`, NearShot looks at `shots`.
FindResult RunFind(const Document &doc, FindState &state, const QByteArray &text, bool caseSensitive, int maxCps,
                   const Speller *speller = nullptr, const ShotSnap &shots = {});

} // namespace cuefold
