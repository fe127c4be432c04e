#pragma once

#include <QProxyStyle>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

class QPainter;
class QRect;
class QStyleOption;

namespace cuefold {

// Pictures of what the Fusion style draws for a control, kept in the pixmap
// cache and drawn again while the control looks the same. Fusion fills and
// strokes its shaded gradients anew on every repaint, and large gradient
// fills are even handed to other threads and waited for.

// A proxy style that draws parts of Fusion's controls from kept pictures.
class PictureKeepingStyle : public QProxyStyle {
public:
    explicit PictureKeepingStyle(QStyle *base);

protected:
    // Whether the style underneath is Fusion. Other styles are left to draw
    // for themselves: they may animate.
    bool keepsPictures() const;

private:
    mutable std::optional<bool> mKeepsPictures; // known once the base style exists
};

// Whether a picture can stand in for drawing through `painter`: not turned,
// scaled or see-through.
bool TakesStylePictures(const QPainter &painter);

// The key of a picture of `kind` drawn for `option` through `painter`: its
// size, state, direction and palette colours, the pixel ratio and `extra`.
QString StylePictureKey(const char *kind, const QStyleOption &option, const QPainter &painter,
                        std::initializer_list<quint32> extra);

// Draws at `rect` the picture kept under `key`, first painting it with
// `draw` (which paints the control with its rect at the origin) when none
// is kept.
void DrawStylePicture(QPainter &painter, const QRect &rect, const QString &key,
                      const std::function<void(QPainter &)> &draw);

} // namespace cuefold
