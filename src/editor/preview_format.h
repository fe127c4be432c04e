#pragma once

#include <QByteArray>
#include <QList>

namespace cuefold {

enum PreviewStyle { StyleBold = 1, StyleItalic = 2, StyleStrikeOut = 4, StyleUnderline = 8 };

struct PreviewRun {
    QByteArray text;
    int style = 0; // PreviewStyle bits
    bool operator==(const PreviewRun &) const = default;
};

using PreviewRow = QList<PreviewRun>;

// Splits a subtitle text into display rows and applies its formatting codes:
// "{y:b,i}" switches styles on, "{x:...}" off, for the rest of the row; a row
// holding "{Y:" carries its style into the following rows.
QList<PreviewRow> FormatPreview(const QByteArray &text);

} // namespace cuefold
