#pragma once

#include <QProxyStyle>

namespace cuefold {

// The application's style with its standard pictures looked up when first
// drawn. Every tool bar and the menu bar build an extension button with such
// a picture, and the first lookup loads Qt's image plugins: work for buttons
// that are shown only when a bar is too narrow for its buttons.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override;
};

} // namespace cuefold
