#include "config/HelpLinks.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/MessageBox.h"

#include <QDesktopServices>

namespace cuefold {

QUrl WebPageAddress(WebPage page)
{
    switch (page) {
    case WebPage::Download: return QUrl(QStringLiteral("https://cuefold.example.org/download/"));
    case WebPage::Mirror: return QUrl(QStringLiteral("https://mirror.cuefold.example.org/download/"));
    case WebPage::Home: break;
    }
    return QUrl(QStringLiteral("https://cuefold.example.org/"));
}

void OpenWebPage(WebPage page)
{
    QDesktopServices::openUrl(WebPageAddress(page));
}

namespace {

QString contributorsText()
{
    return QStringLiteral("Cuefold\n\n"
                          "Program: the Cuefold developers\n"
                          "Čeština / Czech: the Cuefold developers\n"
                          "English: the Cuefold developers\n\n"
                          "https://cuefold.example.org/");
}

} // namespace

void ShowContributors(QWidget *owner)
{
    ShowMessage(owner, contributorsText(), CodePage::toUnicode(StripHotKeys(Texts.MenuParticipants)),
                MsgIcon::Information);
}

} // namespace cuefold
