#pragma once

namespace cuefold {

// Where playback resumes after a save, in frames. An ordinary save steps
// back `rewindSeconds` from where the player was; a save from the remote
// control resumes one frame before the current subtitle once the player has
// reached it, and stays put otherwise. Never below frame 1.
double ResumePosition(double position, double fps, double rewindSeconds, bool girderSave, double currentFrom);

// A step of the player by `delta` frames, held inside the movie: a result
// not above 0 becomes 0, one not below `duration` becomes `duration`.
double StepPosition(double position, double delta, double duration);

// How the transport buttons and menu items look in one play state
// (0 stopped, 1 paused, 2 playing); any other state is "no movie".
struct TransportLook {
    bool playDown = false, pauseDown = false, stopDown = false;
    bool pauseButtonEnabled = false;  // the Pause button; Play, Stop and the steps follow `buttonsEnabled`
    bool buttonsEnabled = false;      // Play, Stop, StepBack, StepForward buttons
    bool step1ButtonsEnabled = false; // Step1Back, Step1Forward buttons
    bool itemsEnabled = false;        // PlayPause, StepBack, StepForward items
    bool stopItemEnabled = false;
    bool step1ItemsEnabled = false;
};
TransportLook TransportLookFor(int playState);

} // namespace cuefold
