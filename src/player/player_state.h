#pragma once

namespace cuefold {

// Editor follows player: where the timer's search stands and what it last
// did, so that each tick only acts on a change.
struct FollowState {
    int searchStart = 1;
    int lastFollowed = -1;     // -1: the next playing tick moves the editor
    double lastFrameShown = -1;
    int lastPlayState = -1;    // -1: the next tick applies the transport look
    bool locateRequest = false;
    bool insideShown = false, outsideShown = false;
    int shownPlayState = -1;       // the play state the transport commands show
    bool frameCommandsOn = false;  // the commands that need a position are available
    bool noMovieApplied = false;

    // A new movie: search from the top, move the editor and refresh the look.
    void restart()
    {
        searchStart = 1;
        lastFollowed = -1;
        lastPlayState = -1;
    }
};

// Playback resumes this many timer ticks after a save that reloaded the
// subtitles.
constexpr int ResumeTicks = 5;

struct ResumeState {
    double ResumePos = 0;
    double target = 0;
    int countdown = -1; // -1: idle
    bool GirderSave = false;
};

struct PlayerState {
    bool MovieLoaded = false;
    bool PlayerShown = false;
    bool PlayerShownOnce = false;
    bool PlayerSeeking = true;
    int PlayerLeft = 0, PlayerTop = 0;
    // The movie came with the last opened subtitle file (not chosen by hand).
    bool MovieFromOpen = false;
    // The reload failure has been reported for this document.
    bool ReloadFailureShown = false;
    FollowState follow;
    ResumeState resume;
};

} // namespace cuefold
