#include "editor/DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>
#include <optional>

namespace cuefold {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : mState(std::make_shared<State>(State{std::move(make), std::nullopt}))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // The caller has already scaled the size for the screen.
        return icon().pixmap(size, 1.0, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // The picture is never null, so asking needs no lookup.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("cuefold-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    struct State {
        std::function<QIcon()> make;
        std::optional<QIcon> icon;
    };

    const QIcon &icon()
    {
        if (!mState->icon)
            mState->icon = mState->make();
        return *mState->icon;
    }

    // Shared by the copies Qt makes, so the lookup is done once.
    std::shared_ptr<State> mState;
};

} // namespace

QIcon DeferredIcon(std::function<QIcon()> make)
{
    return QIcon(new DeferredIconEngine(std::move(make)));
}

} // namespace cuefold
