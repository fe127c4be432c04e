#pragma once

#include <QByteArray>

namespace cuefold {

struct EditorContext;
struct PlayerParts;
struct PlayerState;
class MediaPlayer;

// The Player menu's transport: play, pause, stop, the steps and copying the
// frame number, with the step commands' captions.
class TransportCommands {
public:
    explicit TransportCommands(PlayerParts &parts);

    void playPause();
    void play();
    void pause();
    void stop();
    void stepPlayer(double frames, bool onlyWhenNotPlaying);
    void MenuPlayerStepBackClick();
    void MenuPlayerStepForwardClick();
    void copyFrame();
    // The step commands' captions with the step as the user typed it.
    void ConfigureSeconds(const QByteArray &stepText);
    void retranslate() { ConfigureSeconds(mStepText); }

private:
    MediaPlayer *player() const;

    PlayerParts &mParts;
    EditorContext &mCtx;
    PlayerState &mPlayer;
    QByteArray mStepText = "3"; // the step as the captions show it
};

} // namespace cuefold
