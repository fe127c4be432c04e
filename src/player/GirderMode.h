#pragma once

#include "editor/CommandTable.h"

namespace cuefold {

struct EditorContext;
struct PlayerParts;
struct PlayerState;

// The remote-control mode and its menu: while it is on (and no settings or
// help window is open), F5, F6, Up and Down move line breaks (and save) and
// step through the subtitles, pausing the movie first.
class GirderMode {
public:
    explicit GirderMode(PlayerParts &parts);
    MenuTable table();

    void MenuGirderInUseClick();
    // The settings and help windows keep the remote-control keys off while open.
    void setOptionsOpen(bool open);

private:
    bool active() const;
    void girderBreakLine(bool left);
    void girderStep(int delta);

    PlayerParts &mParts;
    EditorContext &mCtx;
    PlayerState &mPlayer;
    int mOptionsOpenCount = 0;
};

} // namespace cuefold
