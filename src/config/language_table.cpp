#include "config/language_table.h"

#include "config/ini_file.h"
#include "document/code_page.h"

#include <QFileInfo>

namespace cuefold {

const std::array<LanguageKey, LanguageKeyCount> LanguageKeys{{
#define CUEFOLD_KEY_ENTRY(k, d, c) {#k, d, TextConversion::c},
    CUEFOLD_LANGUAGE_KEYS(CUEFOLD_KEY_ENTRY)
#undef CUEFOLD_KEY_ENTRY
}};

const std::array<QByteArray LanguageTexts::*, LanguageKeyCount> LanguageTextMembers{{
#define CUEFOLD_KEY_MEMBER(k, d, c) &LanguageTexts::k,
    CUEFOLD_LANGUAGE_KEYS(CUEFOLD_KEY_MEMBER)
#undef CUEFOLD_KEY_MEMBER
}};

namespace {

const QByteArray CzechName = "\xC8" "esky";

struct SuffixRule {
    const char *name;
    const char *suffix;
};

// Accented language names whose file suffix is written without accents;
// compared as windows-1250 bytes.
constexpr SuffixRule SuffixRules[] = {
    {"\xC8" "esky", "Cesky"},
    {"Espa\xF1ol", "Espanol"},
    {"Portugu\xEAse", "Portuguese"},
    {"Sloven\xE8ina", "Slovencina"},
    {"Sloven\x9A\xE8ina", "Slovenscina"},
};

} // namespace

const QByteArray &TextByKey(const QByteArray &key)
{
    static const QByteArray none;
    for (std::size_t i = 0; i < LanguageKeyCount; ++i)
        if (key == LanguageKeys[i].name)
            return Texts.*LanguageTextMembers[i];
    return none;
}

QByteArray ConvertLineBreaks(QByteArray text)
{
    return text.replace("\\N", "\r");
}

QByteArray CrToSpace(QByteArray text)
{
    return text.replace('\r', ' ');
}

QByteArray StripHotKeys(const QByteArray &caption)
{
    QByteArray out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&')
            out += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == '&')
            out += caption[++i];
    }
    return out;
}

QByteArray StepName(const QByteArray &caption)
{
    constexpr qsizetype Longest = 24;
    constexpr qsizetype Kept = 20;
    QByteArray name = StripHotKeys(CrToSpace(caption)).simplified();
    if (name.size() <= Longest)
        return name;
    qsizetype cut = name.lastIndexOf(' ', Kept);
    if (cut <= 0)
        return name.left(Kept) + "...";
    // A short word at the cut ("od", "a") would dangle before the dots.
    const qsizetype previous = name.lastIndexOf(' ', cut - 1);
    if (previous > 0 && cut - previous <= 3)
        cut = previous;
    return name.left(cut) + "...";
}

QByteArray ConvertText(const QByteArray &raw, TextConversion conversion)
{
    return conversion == TextConversion::Plain ? raw : ConvertLineBreaks(raw);
}

void LoadDefaultTexts()
{
    for (std::size_t i = 0; i < LanguageKeyCount; ++i)
        Texts.*LanguageTextMembers[i] = ConvertText(LanguageKeys[i].czech, LanguageKeys[i].conversion);
}

QByteArray LanguageSectionName(const QByteArray &language)
{
    if (language.isEmpty() || language.contains('='))
        return CzechName;
    return language;
}

QByteArray LanguageSuffix(const QByteArray &language)
{
    const QByteArray name = LanguageSectionName(language);
    for (const SuffixRule &rule : SuffixRules)
        if (name == rule.name)
            return rule.suffix;
    return name;
}

QString LanguageFilePath(const QString &executablePath, const QByteArray &language, const QString &settingsPath)
{
    const QByteArray suffix = LanguageSuffix(language);
    if (suffix.contains('/') || suffix.contains('\\') || suffix.contains('\0'))
        return settingsPath;
    const QFileInfo exe(executablePath);
    const QString candidate = exe.path() + '/' + exe.completeBaseName() + '.' + CodePage::toUnicode(suffix);
    return QFileInfo(candidate).isFile() ? candidate : settingsPath;
}

LanguageTexts ReadLanguageTexts(const IniFile &file, const QByteArray &language)
{
    const QByteArray section = LanguageSectionName(language);
    LanguageTexts texts;
    for (std::size_t i = 0; i < LanguageKeyCount; ++i) {
        const LanguageKey &key = LanguageKeys[i];
        texts.*LanguageTextMembers[i] = ConvertText(file.readString(section, key.name, key.czech), key.conversion);
    }
    return texts;
}

void LoadLanguage(const QByteArray &language, const QString &executablePath, const QString &settingsPath)
{
    IniFile file;
    const QString path = LanguageFilePath(executablePath, language, settingsPath);
    // An unreadable language file is treated like a missing one.
    if (!file.load(path) && path != settingsPath)
        file.load(settingsPath);
    Texts = ReadLanguageTexts(file, language);
}

} // namespace cuefold
