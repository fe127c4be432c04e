#pragma once

#include <QUrl>

class QWidget;

namespace cuefold {

// The project's pages, which the help menu's web items open: the README
// shipped beside the executable, as the project has no public site.
QUrl ProjectPageAddress();
// Hands the pages to the user's browser without waiting; false when no
// browser could be started.
bool OpenProjectPage();

// The information box that names who worked on the program, owned by
// `owner`; its caption is the menu item's without the accelerator.
void ShowContributors(QWidget *owner);

} // namespace cuefold
