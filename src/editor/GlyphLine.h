#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <array>
#include <optional>

class QPainter;

namespace cuefold {

// One line of plain text laid out from the font's glyphs character by
// character, without shaping it: for the single-line texts the grid and the
// panel show over and over, whose characters each have a glyph of their
// own. Each character is looked up in the font once. Laying a text out
// through the text engine costs several times as much, and for a long text
// in a narrow place mostly for characters that are never seen.
class GlyphLine {
public:
    struct Laid {
        QRawFont font;
        int fontId = 0; // GlyphFontId of the font
        QList<quint32> glyphs;
        QList<QPointF> positions; // on whole pixels, the baseline at the font's ascent
        qreal width = 0;          // the advance of the glyphs kept
    };
    // `text` in `font`, glyphs starting `room` or more from its start left
    // out. None when the font lacks a character of it: such a text goes
    // through the text engine, which finds a font that has it.
    std::optional<Laid> layOut(const QString &text, const QFont &font, qreal room);
    // Draws `laid` in the pen's colour, its top left at `at`.
    static void draw(QPainter &painter, const QPoint &at, const Laid &laid);

private:
    struct Glyph {
        quint32 index = 0; // 0: the font has no glyph for the character
        qreal advance = 0;
        bool known = false; // looked up in the font already
    };
    const Glyph &glyphOf(QChar c);
    Glyph lookUp(QChar c) const;

    // The Latin letters, which every code page's texts are mostly made of,
    // are found by their number; a hash lookup for each character drawn
    // cost more than the rest of laying the text out.
    static constexpr char16_t TableSize = 0x250;

    QFont mFont;
    QRawFont mRawFont;
    int mFontId = 0;
    std::array<Glyph, TableSize> mTable;
    QHash<char16_t, Glyph> mOthers;
};

} // namespace cuefold
