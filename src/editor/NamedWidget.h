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

} // namespace cuefold
