#include "editor/GlyphLine.h"

namespace cuefold {

const GlyphLine::Glyph &GlyphLine::glyphOf(QChar c)
{
    auto it = mGlyphs.find(c.unicode());
    if (it != mGlyphs.end())
        return *it;
    Glyph g;
    int count = 1;
    if (!c.isSurrogate() && mRawFont.glyphIndexesForChars(&c, 1, &g.index, &count) && count == 1 && g.index) {
        QPointF advance;
        mRawFont.advancesForGlyphIndexes(&g.index, &advance, 1);
        g.advance = advance.x();
    } else {
        g.index = 0;
    }
    return *mGlyphs.insert(c.unicode(), g);
}

std::optional<GlyphLine::Laid> GlyphLine::layOut(const QString &text, const QFont &font, qreal room)
{
    if (font != mFont || !mRawFont.isValid()) {
        mFont = font;
        mRawFont = QRawFont::fromFont(font);
        mGlyphs.clear();
    }
    const qreal baseline = qRound(mRawFont.ascent());
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    Laid laid;
    for (const QChar c : text) {
        // A glyph starting beyond the room would be cut away whole.
        if (laid.width >= room)
            break;
        const Glyph &g = glyphOf(c);
        if (!g.index)
            return std::nullopt;
        indexes.append(g.index);
        // On whole pixels: the font engine keeps a picture of a glyph for
        // each fraction of a pixel it is drawn at, and fractions would make
        // a new picture for nearly every step to unseen rows.
        positions.append(QPointF(qRound(laid.width), baseline));
        laid.width += g.advance;
    }
    laid.run.setRawFont(mRawFont);
    laid.run.setGlyphIndexes(indexes);
    laid.run.setPositions(positions);
    return laid;
}

} // namespace cuefold
