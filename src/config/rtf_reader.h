#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace cuefold {

// The help documents are RTF written for this program; the reader knows the
// part of RTF they use and passes over the rest (font and colour tables,
// pictures, "\*" destinations, unknown words).

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24; // \fs: font size in half points

    bool operator==(const RtfCharFormat &) const = default;
};

struct RtfRun {
    RtfCharFormat format;
    QString text; // "\t" for \tab, U+2028 for \line
};

enum class RtfAlignment { Left, Centre, Right, Justify };

// Lengths in twips (1/1440 inch), as RTF gives them.
struct RtfParagraphFormat {
    int leftIndent = 0;      // \li
    int firstLineIndent = 0; // \fi, relative to leftIndent (negative hangs)
    int spaceBefore = 0;     // \sb
    int spaceAfter = 0;      // \sa
    RtfAlignment alignment = RtfAlignment::Left;
};

struct RtfParagraph {
    RtfParagraphFormat format;
    QList<RtfRun> runs; // neighbours differ in format; an empty paragraph has none
};

struct RtfDocument {
    bool valid = false; // the bytes began with "{\rtf"
    QList<RtfParagraph> paragraphs;
};

// Bytes above 127 and "\'xx" escapes are read in the code page of
// "\ansicpgN" (windows-1252 when none is given); "\uN" gives the character
// itself. Unbalanced braces end the document where they run out.
RtfDocument ReadRtf(const QByteArray &rtf);

} // namespace cuefold
