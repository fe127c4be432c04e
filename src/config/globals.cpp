#include "config/language_table.h"
#include "config/settings.h"

namespace cuefold {

ProgramSettings Settings;
LanguageTexts Texts;

} // namespace cuefold
