#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <optional>

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
        QGlyphRun run;   // on whole pixels, the baseline at the font's ascent
        qreal width = 0; // the advance of the glyphs kept
    };
    // `text` in `font`, glyphs starting `room` or more from its start left
    // out. None when the font lacks a character of it: such a text goes
    // through the text engine, which finds a font that has it.
    std::optional<Laid> layOut(const QString &text, const QFont &font, qreal room);

private:
    struct Glyph {
        quint32 index = 0; // 0: the font has no glyph for the character
        qreal advance = 0;
    };
    const Glyph &glyphOf(QChar c);

    QFont mFont;
    QRawFont mRawFont;
    QHash<char16_t, Glyph> mGlyphs;
};

} // namespace cuefold
