#include "editor/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace cuefold {

void UseQtTranslations(const QString &languageName)
{
    static QTranslator *installed = nullptr;
    const QString code = languageName.isEmpty() || languageName == QStringLiteral("\u010Cesky") ? QStringLiteral("cs")
                         : languageName == QStringLiteral("English")                              ? QStringLiteral("en")
                                                                                                  : QString();
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (code.isEmpty())
        return;
    auto *translator = new QTranslator;
    if (translator->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
}

} // namespace cuefold
