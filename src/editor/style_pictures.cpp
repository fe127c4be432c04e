#include "editor/style_pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <vector>

namespace cuefold {

PictureKeepingStyle::PictureKeepingStyle(QStyle *base)
    : QProxyStyle(base)
{
}

bool PictureKeepingStyle::keepsPictures() const
{
    if (!mKeepsPictures) {
        const QStyle *style = baseStyle();
        while (const auto *inner = qobject_cast<const QProxyStyle *>(style))
            style = inner->baseStyle();
        mKeepsPictures = style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    }
    return *mKeepsPictures;
}

bool TakesStylePictures(const QPainter &painter)
{
    return painter.transform().type() <= QTransform::TxTranslate && painter.opacity() == 1.0;
}

QString StylePictureKey(const char *kind, const QStyleOption &option, const QPainter &painter,
                        std::initializer_list<quint32> extra)
{
    const QPalette::ColorGroup group = option.palette.currentColorGroup();
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    std::vector<quint32> values;
    values.reserve(QPalette::NColorRoles + 6 + extra.size());
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        values.push_back(option.palette.color(group, QPalette::ColorRole(role)).rgba());
    values.insert(values.end(), {quint32(option.rect.width()), quint32(option.rect.height()), quint32(option.state),
                                 quint32(option.direction), quint32(group), quint32(qRound(ratio * 100))});
    values.insert(values.end(), extra);
    return QStringLiteral("cuefold-%1-%2")
        .arg(QLatin1String(kind))
        .arg(qHashBits(values.data(), values.size() * sizeof(quint32)), 0, 16);
}

void DrawStylePicture(QPainter &painter, const QRect &rect, const QString &key,
                      const std::function<void(QPainter &)> &draw)
{
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
        picture = QPixmap(rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter onPicture(&picture);
        draw(onPicture);
        onPicture.end();
        QPixmapCache::insert(key, picture);
    }
    painter.drawPixmap(rect.topLeft(), picture);
}

} // namespace cuefold
