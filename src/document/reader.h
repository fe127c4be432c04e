#pragma once

#include "document/display_time.h"

#include <QByteArray>

class QFile;
class QIODevice;

namespace cuefold {

class Document;

// How one frame field of a subtitle line was read.
enum class FieldCase {
    Read,        // {number}
    Empty,       // {}: not given
    NotANumber,  // {text} that is no frame number
    EmptyLine,   // nothing left to read
    NoBraces,    // neither "{" nor "}"
    Unclosed,    // "{" without "}"
    Reversed,    // "}" before the first "{"
};

struct FrameField {
    FieldCase Case = FieldCase::EmptyLine;
    QByteArray Text;  // the raw field text kept for a faulty field
    QByteArray Rest;  // what the next step reads
    double Value = -1;

    bool isFault() const { return Case != FieldCase::Read && Case != FieldCase::Empty; }
};

// Frames at or above this are not taken from a file: larger numbers cannot
// be written back as whole numbers.
constexpr double MaxFrameValue = 9007199254740992.0; // 2^53

// Reads the frame field at the start of `s`; text in front of its "{" is
// dropped.
FrameField ParseFrameField(const QByteArray &s);

// The longest line the reader takes from a file: a subtitle shown for a few
// seconds never comes near it, it is twice what the panel's text field
// holds, and it keeps a hostile file's 2500 subtitles within 160 MiB.
constexpr qsizetype MaxLineLength = 64 * 1024;

// Opens `file` (its name set) for reading; 0 or an I/O error code.
int OpenForReading(QFile &file);

// Reads MicroDVD lines into `doc`, replacing its subtitles, reading counters
// and FPS (names and saved state of the document are the caller's). At most
// Document::Capacity subtitles are read; nothing after them is consumed.
// A line longer than MaxLineLength is cut there and counted in
// doc.CutTextCount; memory stays bounded whatever the file holds.
// Missing end frames are computed with `rule` once the file named its frame
// rate. The texts keep their bytes; doc.Encoding is detected (DetectEncoding,
// falling back to the settings' code page) unless `encoding` names one. A
// UTF-8 mark is left out of the texts and noted in doc.Encoding.Bom.
// True when at least one frame field was read or given empty.
bool ReadSubtitles(QIODevice &in, Document &doc, const DisplayTimeRule &rule, const QByteArray &encoding = {});
bool ReadSubtitles(const QByteArray &bytes, Document &doc, const DisplayTimeRule &rule,
                   const QByteArray &encoding = {});

// The subtitle lines (the non-empty lines, as the reader takes them) from the
// device's position to its end; memory stays bounded whatever the file holds.
qint64 CountSubtitleLines(QIODevice &in);

} // namespace cuefold
