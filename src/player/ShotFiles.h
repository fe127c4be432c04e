#pragma once

namespace cuefold {

struct PlayerParts;

// The Player menu's shot-change list files: the movie's shot changes saved
// as a key-frame list other timing editors read, and such a list loaded in
// their place.
void ImportShotChanges(PlayerParts &parts);
void ExportShotChanges(PlayerParts &parts);

} // namespace cuefold
