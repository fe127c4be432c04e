#pragma once

#include "config/language_keys.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>

namespace cuefold {

class IniFile;

enum class TextConversion { Plain, Breaks, Bulk };

struct LanguageKey {
    const char *name;
    const char *czech;
    TextConversion conversion;
};

inline constexpr std::size_t LanguageKeyCount = 0
#define CUEFOLD_COUNT_KEY(k, d, c) +1
    CUEFOLD_LANGUAGE_KEYS(CUEFOLD_COUNT_KEY)
#undef CUEFOLD_COUNT_KEY
    ;

// The keys every language file of the format knows, in reading order; the
// program's own keys for its later texts follow them.
inline constexpr std::size_t StandardLanguageKeyCount = 394;

// All keys in reading order.
extern const std::array<LanguageKey, LanguageKeyCount> LanguageKeys;

// One text variable per key, named by it (Texts.NoMoreLines). Values are in
// the program's code page, after the key's "\N" conversion.
struct LanguageTexts {
#define CUEFOLD_TEXT_MEMBER(k, d, c) QByteArray k;
    CUEFOLD_LANGUAGE_KEYS(CUEFOLD_TEXT_MEMBER)
#undef CUEFOLD_TEXT_MEMBER
};

extern LanguageTexts Texts;

// Texts.*LanguageTextMembers[i] is the text of LanguageKeys[i].
extern const std::array<QByteArray LanguageTexts::*, LanguageKeyCount> LanguageTextMembers;

// The current text of a key given by name, for windows that build their
// controls from tables of key names; an unknown name gives an empty text.
const QByteArray &TextByKey(const QByteArray &key);

// Texts := the built-in Czech defaults, converted like loaded texts. Texts is
// empty until this or LoadLanguage has run once at start-up.
void LoadDefaultTexts();

// The section name of a language: a name holding "=" (or an empty one)
// cannot be a section and means Czech.
QByteArray LanguageSectionName(const QByteArray &language);
// The file suffix of a language: the section name with the accented letters
// of the five known accented names made plain ("\xC8esky" -> "Cesky").
QByteArray LanguageSuffix(const QByteArray &language);
// The file a language's texts are read from: the executable's path with its
// extension replaced by "." + suffix when that file exists, else the
// settings file. A suffix that would lead out of the executable's folder
// (a path separator in it) is never looked for.
QString LanguageFilePath(const QString &executablePath, const QByteArray &language, const QString &settingsPath);

// Every key from section [language] of the file, with the Czech default for
// anything missing, converted per key. Never fails: an unreadable file gives
// the defaults.
LanguageTexts ReadLanguageTexts(const IniFile &file, const QByteArray &language);
// Texts := the texts of the language, found as LanguageFilePath describes.
// The caller then refreshes its windows' captions.
void LoadLanguage(const QByteArray &language, const QString &executablePath, const QString &settingsPath);

// Conversions applied to loaded texts. Texts of Bulk keys hold their line
// breaks; a menu shows CrToSpace(text), a tool-button hint
// StripHotKeys(text).
QByteArray ConvertLineBreaks(QByteArray text); // each "\N" -> CR
QByteArray CrToSpace(QByteArray text);
QByteArray StripHotKeys(const QByteArray &caption); // "&" removed, "&&" -> "&"
QByteArray ConvertText(const QByteArray &raw, TextConversion conversion);
// The name of a history step after a command's caption: one line, no hot
// keys, a long caption cut after its first words ("Posunout titulky...").
QByteArray StepName(const QByteArray &caption);

} // namespace cuefold
