#include "player/PlayerParts.h"

#include "config/settings.h"
#include "editor/CommandTable.h"
#include "document/frame_text.h"
#include "editor/EditorContext.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "player/automation.h"

#include <QAction>

namespace cuefold {

MediaPlayer *PlayerParts::player() const
{
    return window->WMediaPlayer1();
}

bool PlayerParts::syncChecked() const
{
    return ctx.commands.action(CommandId::MenuPlayerSync)->isChecked();
}

double PlayerParts::playerFps() const
{
    // Without a frame rate of its own the document is timed by the movie's.
    return IsValidFPS(ctx.doc().FPS) ? ctx.doc().FPS : player()->frameRate();
}

double PlayerParts::startFrom(double frame) const
{
    AutomationParams params;
    params.Gap = Settings.Main.DelayFrames;
    params.Shots = shots.snap();
    return StampStart(ctx.doc(), frame, params);
}

} // namespace cuefold
