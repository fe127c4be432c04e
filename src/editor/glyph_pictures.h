#pragma once

#include <QImage>
#include <QPoint>
#include <QRawFont>

class QFont;
class QPainter;

namespace cuefold {

// A glyph drawn once in one colour onto a transparent picture, cut to its
// ink. Drawing that picture costs the raster engine a few instructions a
// pixel where blending the glyph's coverage in the pen's colour costs some
// thirty, which for a screen of grid cells was most of a step.
struct GlyphPicture {
    QImage image;  // premultiplied
    QPoint offset; // of the picture's top left from the glyph's origin
};

// A number for `font` that stays the same for an equal font.
int GlyphFontId(const QFont &font);

// The picture of `glyph` of `font` (numbered `fontId`) in `colour`, kept
// for the rest of the run as the font engine keeps its glyphs.
const GlyphPicture &PictureOfGlyph(const QRawFont &font, int fontId, quint32 glyph, QRgb colour);

// Whether pictures drawn through `painter` land on whole device pixels as
// the glyphs would: no scaling (a high-density screen scales the device
// transform too), plain blending.
bool DrawsGlyphPictures(const QPainter &painter);

} // namespace cuefold
