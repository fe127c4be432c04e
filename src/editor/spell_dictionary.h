#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace cuefold {

// The dictionary setting that turns checking off.
inline constexpr char NoDictionary[] = "none";

// The dictionaries in `folder`: the names ("cs_CZ") of which both the .aff
// and the .dic file are there, sorted.
QStringList DictionariesIn(const QString &folder);

// The dictionary a setting names: an empty setting follows the program's
// language (English reads en_US, any other language the Czech cs_CZ),
// NoDictionary gives an empty name, anything else is the name itself.
QString ChosenDictionary(const QByteArray &setting, const QByteArray &language);

// The file keeping the user's own words of dictionary `name` in `configFolder`.
QString PersonalWordsFile(const QString &configFolder, const QString &name);

} // namespace cuefold
