#pragma once

#include <QUrl>

class QWidget;

namespace cuefold {

// The web pages of the help menu, opened in the user's browser without
// waiting and without any report.
enum class WebPage { Download, Mirror, Home };

QUrl WebPageAddress(WebPage page);
void OpenWebPage(WebPage page);

// The information box that names who worked on the program, owned by
// `owner`; its caption is the menu item's without the accelerator.
void ShowContributors(QWidget *owner);

} // namespace cuefold
