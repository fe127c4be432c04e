#include "editor/glyph_pictures.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>

namespace cuefold {

namespace {

struct PictureKey {
    int fontId;
    quint32 glyph;
    QRgb colour;
    bool operator==(const PictureKey &) const = default;
};

size_t qHash(const PictureKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.fontId, key.glyph, key.colour);
}

// The smallest rectangle holding every pixel of `image` that is not fully
// transparent; empty for a glyph without ink (a space).
QRect InkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                ink |= QRect(x, y, 1, 1);
    }
    return ink;
}

GlyphPicture DrawPicture(const QRawFont &font, quint32 glyph, QRgb colour)
{
    // A margin round the outline's box for the antialiased edge and hinting.
    constexpr int Margin = 2;
    const QRect box = font.boundingRect(glyph).toAlignedRect().adjusted(-Margin, -Margin, Margin, Margin);
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(QColor::fromRgba(colour));
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(0, 0)});
        painter.drawGlyphRun(QPointF(-box.left(), -box.top()), run);
    }
    const QRect ink = InkOf(image);
    if (ink.isEmpty())
        return {};
    return {image.copy(ink), box.topLeft() + ink.topLeft()};
}

} // namespace

int GlyphFontId(const QFont &font)
{
    static QHash<QString, int> ids;
    const QString key = font.key();
    auto it = ids.constFind(key);
    if (it == ids.cend())
        it = ids.insert(key, int(ids.size()));
    return *it;
}

const GlyphPicture &PictureOfGlyph(const QRawFont &font, int fontId, quint32 glyph, QRgb colour)
{
    static QHash<PictureKey, GlyphPicture> pictures;
    // A bound for a run that meets many fonts and colours; a screen's worth
    // of glyphs is drawn again the next time.
    constexpr qsizetype Most = 8192;
    const PictureKey key{fontId, glyph, colour};
    auto it = pictures.find(key);
    if (it == pictures.end()) {
        if (pictures.size() >= Most)
            pictures.clear();
        it = pictures.insert(key, DrawPicture(font, glyph, colour));
    }
    return *it;
}

bool DrawsGlyphPictures(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster
           && painter.compositionMode() == QPainter::CompositionMode_SourceOver
           && painter.deviceTransform().type() <= QTransform::TxTranslate;
}

} // namespace cuefold
