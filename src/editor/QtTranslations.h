#pragma once

#include <QString>

namespace cuefold {

// Qt's own texts (message-box buttons, the file and font dialogs) in the
// language the user chose: Czech for the built-in language, English for
// "English"; any other language keeps Qt's English.
void UseQtTranslations(const QString &languageName);

} // namespace cuefold
