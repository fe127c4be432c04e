#include "editor/FieldFrameStyle.h"

#include <QAbstractSpinBox>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <array>

namespace cuefold {

namespace {

// What the drawn panel depends on: its size, state and frame, the colours
// of the palette's group in use, and the pixel ratio.
QString PictureKey(const QStyleOptionFrame &frame, qreal ratio)
{
    std::array<quint32, QPalette::NColorRoles + 8> values{};
    const QPalette::ColorGroup group = frame.palette.currentColorGroup();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        values[role] = frame.palette.color(group, QPalette::ColorRole(role)).rgba();
    quint32 *rest = values.data() + QPalette::NColorRoles;
    rest[0] = quint32(frame.rect.width());
    rest[1] = quint32(frame.rect.height());
    rest[2] = quint32(frame.state);
    rest[3] = quint32(frame.lineWidth) | quint32(frame.midLineWidth) << 16;
    rest[4] = quint32(frame.features) | quint32(frame.frameShape) << 8 | quint32(frame.direction) << 16;
    rest[5] = quint32(group);
    rest[6] = quint32(qRound(ratio * 100));
    return QStringLiteral("cuefold-field-%1").arg(qHashBits(values.data(), sizeof(values)), 0, 16);
}

} // namespace

FieldFrameStyle::FieldFrameStyle(QStyle *base)
    : QProxyStyle(base)
{
}

bool FieldFrameStyle::cachesFields() const
{
    if (!mCachesFields) {
        const QStyle *style = baseStyle();
        while (const auto *proxy = qobject_cast<const QProxyStyle *>(style))
            style = proxy->baseStyle();
        mCachesFields = style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    }
    return *mCachesFields;
}

void FieldFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    // A field inside a spin box has no panel of its own; a turned, scaled or
    // see-through painter gets what the style draws.
    const bool cached = element == PE_PanelLineEdit && frame && !frame->rect.isEmpty() && cachesFields() &&
                        !(widget && qobject_cast<const QAbstractSpinBox *>(widget->parentWidget())) &&
                        painter->transform().type() <= QTransform::TxTranslate && painter->opacity() == 1.0;
    if (!cached) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QString key = PictureKey(*frame, ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(frame->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QPainter onPicture(&picture);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPicture, widget);
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(frame->rect.topLeft(), picture);
}

} // namespace cuefold
