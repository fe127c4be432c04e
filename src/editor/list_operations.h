#pragma once

#include <QByteArray>

namespace cuefold {

class Document;
struct DisplayTimeRule;
struct TSubLine;

// Commands that change the number of subtitles around the current one. They
// move SavedLines in step with SubLines so that the index-by-index comparison
// with the saved state stays valid, copy every record they create or merge
// into SavedLines (it shows as unchanged), keep SyntaxErrorCount equal to the
// faulty fields that remain, and leave CurrentLine on the subtitle to show.
// They never ask or show anything: the window asks its questions first and
// turns the outcome into its message.

enum class ListOutcome {
    Done,
    JoinedKeepingLast, // joined, but the next end frame was faulty or missing
    NoDocument,        // nothing loaded; nothing done
    NoMoreLines,       // the document is full
    NoLineToJoin,      // the current subtitle is the last one
    NoLineDeleted,     // the only subtitle cannot be deleted
};

struct ListEdit {
    ListOutcome Outcome = ListOutcome::Done;
    // Rows from here to the end of the list moved or changed; rows above it
    // are as they were.
    int FirstRow = 0;
    // The window marks the document modified (StructChanged is already set).
    // Appending after the last subtitle leaves the modified state alone.
    bool Modified = false;
    // For JoinedKeepingLast: the status-bar notice naming the rejected end.
    QByteArray Notice;

    bool applied() const { return Outcome == ListOutcome::Done || Outcome == ListOutcome::JoinedKeepingLast; }
};

// Which rows the split keeps on the first subtitle.
enum class SplitMode {
    FirstRow,      // at the first break (Shift+Ctrl+D)
    FirstTwoRows,  // at the second break, or the first when there is one (Ctrl+D)
};

// Guards the window runs before asking its confirmation; Done when the
// command may go ahead.
ListOutcome CheckRoomForLine(const Document &doc);
ListOutcome CheckJoin(const Document &doc);
ListOutcome CheckDelete(const Document &doc);

// An empty subtitle before the current one, timed into the gap between its
// neighbours; it becomes current.
ListEdit InsertEmptyLine(Document &doc, const DisplayTimeRule &rule);
// An empty subtitle after the current one: inside the list as an insert
// before the next subtitle, after the last one with the minimal display time.
ListEdit AddEmptyLine(Document &doc, const DisplayTimeRule &rule);
// The frame rate `fps` for a document read without one, written as a locked
// frame-rate line before subtitle 1, which becomes current. False when the
// document is full: the rate is taken, the line is not written.
bool InsertFpsLine(Document &doc, double fps, const DisplayTimeRule &rule);
// Cuts the current subtitle at a break, sharing its frames by the number of
// characters on each side.
ListEdit SplitLine(Document &doc, SplitMode mode, const DisplayTimeRule &rule);
// Appends the next subtitle's text (after a break) and end to the current one.
// Assumes the user confirmed: it cannot be undone.
ListEdit JoinWithNext(Document &doc);
// Removes the current subtitle from both arrays. Assumes the user confirmed.
ListEdit DeleteCurrentLine(Document &doc);

// Undo whole line: the current subtitle returns to its saved record, every
// field and flag included. False when there is no current subtitle.
bool RestoreSavedLine(Document &doc);

// Faulty frame fields a record carries: its raw texts while it is flagged.
int FaultyFieldCount(const TSubLine &line);

// The fixed status notice of a join that kept the current end frame.
QByteArray JoinKeptLastNotice(const QByteArray &nextLErr);

} // namespace cuefold
