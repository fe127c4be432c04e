#pragma once

namespace cuefold {

struct EditorContext;
struct PlayerParts;
struct PlayerState;
class MovieLoader;

// Around every save of the document's own file: a playing movie pauses
// before it and the position to resume at is kept; after it the filter
// shows the saved file again and playback resumes there.
class SaveHooks {
public:
    SaveHooks(PlayerParts &parts, MovieLoader &movie);
    void beforeSave();
    void afterSave();

private:
    PlayerParts &mParts;
    PlayerState &mPlayer;
    MovieLoader &mMovie;
};

} // namespace cuefold
