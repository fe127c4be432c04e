#pragma once

#include <QWidget>

namespace cuefold {

// A new control carrying the object name the rest of the program knows it by.
template<typename W>
W *named(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// The tool windows and number dialogs: a title and a close box, nothing else.
inline constexpr Qt::WindowFlags ToolDialogFlags = Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint;

} // namespace cuefold
