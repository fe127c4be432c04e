#include "editor/spell_dictionary.h"

#include <QDir>
#include <QFileInfo>

namespace cuefold {

QStringList DictionariesIn(const QString &folder)
{
    const QDir dir(folder);
    QStringList names;
    for (const QFileInfo &aff : dir.entryInfoList({QStringLiteral("*.aff")}, QDir::Files, QDir::Name))
        if (dir.exists(aff.completeBaseName() + QStringLiteral(".dic")))
            names.append(aff.completeBaseName());
    return names;
}

QString ChosenDictionary(const QByteArray &setting, const QByteArray &language)
{
    if (setting == NoDictionary)
        return {};
    if (!setting.isEmpty())
        return QString::fromUtf8(setting);
    return language == "English" ? QStringLiteral("en_US") : QStringLiteral("cs_CZ");
}

QString PersonalWordsFile(const QString &configFolder, const QString &name)
{
    return QDir(configFolder).filePath(QStringLiteral("cuefold/words-%1.txt").arg(name));
}

} // namespace cuefold
