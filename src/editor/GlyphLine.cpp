#include "editor/GlyphLine.h"

#include "editor/glyph_pictures.h"

#include <QGlyphRun>
#include <QPainter>

namespace cuefold {

GlyphLine::Glyph GlyphLine::lookUp(QChar c) const
{
    Glyph g;
    g.known = true;
    int count = 1;
    if (!c.isSurrogate() && mRawFont.glyphIndexesForChars(&c, 1, &g.index, &count) && count == 1 && g.index) {
        QPointF advance;
        mRawFont.advancesForGlyphIndexes(&g.index, &advance, 1);
        g.advance = advance.x();
    } else {
        g.index = 0;
    }
    return g;
}

const GlyphLine::Glyph &GlyphLine::glyphOf(QChar c)
{
    if (c.unicode() < TableSize) {
        Glyph &g = mTable[c.unicode()];
        if (!g.known)
            g = lookUp(c);
        return g;
    }
    auto it = mOthers.find(c.unicode());
    if (it == mOthers.end())
        it = mOthers.insert(c.unicode(), lookUp(c));
    return *it;
}

std::optional<GlyphLine::Laid> GlyphLine::layOut(const QString &text, const QFont &font, qreal room)
{
    if (font != mFont || !mRawFont.isValid()) {
        mFont = font;
        mRawFont = QRawFont::fromFont(font);
        mFontId = GlyphFontId(font);
        mTable.fill(Glyph());
        mOthers.clear();
    }
    const qreal baseline = qRound(mRawFont.ascent());
    Laid laid;
    laid.font = mRawFont;
    laid.fontId = mFontId;
    laid.glyphs.reserve(text.size());
    laid.positions.reserve(text.size());
    for (const QChar c : text) {
        // A glyph starting beyond the room would be cut away whole.
        if (laid.width >= room)
            break;
        const Glyph &g = glyphOf(c);
        if (!g.index)
            return std::nullopt;
        laid.glyphs.append(g.index);
        // On whole pixels: the font engine keeps a picture of a glyph for
        // each fraction of a pixel it is drawn at, and fractions would make
        // a new picture for nearly every step to unseen rows.
        laid.positions.append(QPointF(qRound(laid.width), baseline));
        laid.width += g.advance;
    }
    return laid;
}

void GlyphLine::draw(QPainter &painter, const QPoint &at, const Laid &laid)
{
    if (!DrawsGlyphPictures(painter)) {
        QGlyphRun run;
        run.setRawFont(laid.font);
        run.setGlyphIndexes(laid.glyphs);
        run.setPositions(laid.positions);
        painter.drawGlyphRun(at, run);
        return;
    }
    const QRgb colour = painter.pen().color().rgba();
    for (qsizetype i = 0; i < laid.glyphs.size(); ++i) {
        const GlyphPicture &picture = PictureOfGlyph(laid.font, laid.fontId, laid.glyphs[i], colour);
        if (!picture.image.isNull())
            painter.drawImage(at + laid.positions[i].toPoint() + picture.offset, picture.image);
    }
}

} // namespace cuefold
