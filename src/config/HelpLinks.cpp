#include "config/HelpLinks.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace cuefold {

namespace {

// Where the project's pages are, relative to the executable's folder.
const QLatin1StringView ProjectPage("README.md");

QString contributorsText()
{
    return QStringLiteral("Cuefold\n\n"
                          "Program: the Cuefold developers\n"
                          "Čeština / Czech: the Cuefold developers\n"
                          "English: the Cuefold developers\n\n")
           + ProjectPageAddress().toString();
}

} // namespace

QUrl ProjectPageAddress()
{
    return QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath(ProjectPage));
}

bool OpenProjectPage()
{
    return QDesktopServices::openUrl(ProjectPageAddress());
}

void ShowContributors(QWidget *owner)
{
    ShowMessage(owner, contributorsText(), CodePage::toUnicode(StripHotKeys(Texts.MenuParticipants)),
                MsgIcon::Information);
}

} // namespace cuefold
