#pragma once

#include "player/ShotChanges.h"
#include "player/player_state.h"
#include "player/subtitle_filter.h"

#include <QString>

namespace cuefold {

struct EditorContext;
class MediaPlayer;
class TFormWMP;

// What the pieces of the player subsystem share: the editor, the preview
// window with its player, the state of the movie and the filter, and the
// movie's shot changes.
struct PlayerParts {
    PlayerParts(EditorContext &context, TFormWMP *preview)
        : ctx(context)
        , window(preview)
    {
    }

    EditorContext &ctx;
    TFormWMP *window;
    PlayerState state;
    FilterState filter;
    ShotChanges shots;
    QString movieFolder;      // initial folder of the movie dialog
    bool closing = false;     // the program is closing: no resume may start any more
    bool holdPicture = false; // a new current subtitle does not seek the player

    MediaPlayer *player() const;
    // The player follows the current subtitle (and the editor the movie).
    bool syncChecked() const;
    // The document's frame rate, or the movie's when it has none of its own.
    double playerFps() const;
    // The start frame a subtitle gets from a frame picked in the movie (by
    // the automation key or a click in the sound strip), snapped to a near
    // shot change unless the current subtitle is locked.
    double startFrom(double frame) const;
};

} // namespace cuefold
