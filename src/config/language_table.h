#pragma once

#include "config/language_keys.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace cuefold {

class IniFile;

enum class TextConversion { Plain, Breaks, Bulk };

struct LanguageKey {
    const char *name;
    const char *czech;
    TextConversion conversion;
};

// All keys in reading order.
extern const std::array<LanguageKey,
#define CUEFOLD_COUNT_KEY(k, d, c) +1
    0 CUEFOLD_LANGUAGE_KEYS(CUEFOLD_COUNT_KEY)
#undef CUEFOLD_COUNT_KEY
    > LanguageKeys;

// One text variable per key, named by it (Texts.NoMoreLines). Values are in
// the program's code page, after the key's "\N" conversion.
struct LanguageTexts {
#define CUEFOLD_TEXT_MEMBER(k, d, c) QByteArray k;
    CUEFOLD_LANGUAGE_KEYS(CUEFOLD_TEXT_MEMBER)
#undef CUEFOLD_TEXT_MEMBER
};

extern LanguageTexts Texts;

} // namespace cuefold
