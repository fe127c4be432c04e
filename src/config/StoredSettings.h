#pragma once

#include <QByteArray>

namespace cuefold {

struct EditorContext;

// The program as the stored settings say: texts in `language`, the tool bars
// shown, the hints, the player's window and control, the default folders
// and the preview font. The settings window applies its controls through
// this once they show the stored values; without the window the start-up
// applies the settings alone.
void ApplyStoredSettings(EditorContext &ctx, const QByteArray &language);

// The language the settings window's list would select: the preferred one
// when the list holds it, else the list's first.
QByteArray StoredLanguage();

} // namespace cuefold
