#pragma once

#include <QFont>
#include <functional>
#include <optional>

class QWidget;

namespace cuefold {

// A font with the colour its text is drawn in (0x00BBGGRR).
struct FontChoice {
    QFont font;
    quint32 colour = 0;
};

using FontApply = std::function<void(const FontChoice &)>;
// The font dialog goes through here so tests can answer it. It starts at
// `initial`; its Apply button hands the current choice to `apply`. The
// result is the choice confirmed with OK, nothing when cancelled.
using FontDialogHandler = std::function<std::optional<FontChoice>(const FontChoice &initial, const FontApply &apply)>;

std::optional<FontChoice> AskFont(QWidget *parent, const FontChoice &initial, const FontApply &apply);
// Installs a handler; an empty one restores the real dialog.
void SetFontDialogHandler(FontDialogHandler handler);

} // namespace cuefold
