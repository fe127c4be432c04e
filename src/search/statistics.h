#pragma once

#include <QByteArray>
#include <QString>

namespace cuefold {

class Document;

// What the file-properties window shows about the document and its file.
struct FileStatistics {
    int Lines = 0;
    int EmptyLines = 0;
    int LockedLines = 0;
    int MarkedLines = 0;
    int ChangedLines = 0;
    bool StructChanged = false; // more changed than the count can show
    int SyntaxErrors = 0;
    int MissingEnds = 0;
    int Overlaps = 0;
    QByteArray FrameRate = "?"; // from the frame-rate subtitle only
    bool FileFound = false;
    qint64 FileSize = 0;
    QByteArray Attributes;      // letters of R H S V D A
};

// Attribute letters of a file on disk: R not writable, H name starting with
// ".", D folder, A ordinary file (the system and volume flags do not exist
// here).
QByteArray FileAttributeLetters(const QString &path);

// Counts the document's subtitles and looks its file up on disk; run the
// overlap repair first for a current overlap count.
FileStatistics CollectStatistics(const Document &doc);

// The label texts of the properties window, from the language table.
struct PropertyLabels {
    QByteArray FileSize, FileAttributes, SyntaxErrors, RecalculatedLines, Overlaps;
    QByteArray FPS, Lines, EmptyLines, LockLines, MarkLines, ChangedLines;
};
PropertyLabels ComposePropertyLabels(const FileStatistics &stats);

// The subtitle-filter labels: whether it is used and its auxiliary folder,
// or a note that the folder is unusable when installed but not usable.
struct FilterLabels {
    QByteArray DirectShow, AuxFolder;
};
FilterLabels ComposeFilterLabels(bool installed, bool usable, const QString &auxFolder);

} // namespace cuefold
