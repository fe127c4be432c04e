#pragma once

#include "document/sub_line.h"
#include "document/text_codec.h"

#include <QString>
#include <array>

namespace cuefold {

// The one subtitle document: the working array, the copy taken at open/save
// time that tells what changed, and the document-level counters. Both arrays
// are indexed from 1 and never grow beyond Capacity.
class Document {
public:
    static constexpr int Capacity = 2500;

    TSubLine &line(int i) { return SubLines[i]; }
    const TSubLine &line(int i) const { return SubLines[i]; }
    bool isLoaded() const { return LineCount >= 1; }
    bool isFull() const { return LineCount >= Capacity; }
    bool validIndex(int i) const { return i >= 1 && i <= LineCount; }

    // Clears every record and counter: the state between two documents.
    void reset();
    // The content of a new document: one empty subtitle from frame 1 to 1,
    // saved.
    void startNew();
    // SavedLines := SubLines (all entries): nothing differs from the saved state.
    void markSaved();
    // Rows 1..LineCount equal the saved copy in every field and flag.
    bool rowsEqualSaved() const;
    // From/Last/Text of line i equal the saved copy (Lock excluded).
    bool fieldsEqualSaved(int i) const;
    // From, Last, Text or Lock of line i differ from the saved copy.
    bool isChanged(int i) const;
    // Recounts ChangedCount and MarkedCount; true when the document differs
    // from the saved state (changed lines or a structural change).
    bool recount();

    std::array<TSubLine, Capacity + 1> SubLines;   // [0] unused
    std::array<TSubLine, Capacity + 1> SavedLines; // [0] unused

    int LineCount = -1;
    int CurrentLine = -1;
    double FPS = -1;
    QString SubFileName;
    QString MovieFileName;
    // How the texts' bytes are read: set by the reader, the settings' code
    // page for a new document.
    TextEncoding Encoding;
    bool DocSaved = true;
    bool StructChanged = false;
    int SyntaxErrorCount = 0;
    int MissingEndCount = 0;
    int CutTextCount = 0; // lines the reader cut at MaxLineLength
    int ChangedCount = 0;
    int MarkedCount = 0;
    int OverlapCount = 0;
    bool OverlapReviewActive = false;
};

} // namespace cuefold
