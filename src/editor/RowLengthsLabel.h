#pragma once

#include "editor/GlyphLine.h"

#include <QLabel>

namespace cuefold {

// The current subtitle's row lengths, the rows over the limit in red. Its
// text stays the rich text a label shows, so it reads the same to anyone
// asking; it draws the few plain runs itself, as the rich-text layout built a
// whole text document on every step to another subtitle.
class RowLengthsLabel : public QLabel {
public:
    using QLabel::QLabel;

    struct Part {
        QString text;
        bool red = false;
    };
    // `format` with "%1" standing for `rows`.
    void setRows(const QString &format, const QList<Part> &rows);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Part> mParts; // as drawn: the format's text round the rows
    GlyphLine mLine;
};

} // namespace cuefold
