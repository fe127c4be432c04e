#pragma once

#include <QObject>

class QTimer;

namespace cuefold {

struct EditorContext;
struct PlayerParts;
struct PlayerState;
class MediaPlayer;

// The two ways of following: the editor follows the playing movie (a timer
// that also shows the frame, sets the transport look and resumes playback
// when asked), and the player follows the editor (a subtitle made current
// seeks the movie while the sync command is on).
class FollowTimer : public QObject {
public:
    explicit FollowTimer(PlayerParts &parts);
    void start();

    void MenuPlayerSeekPlayerClick();
    void seekToCurrent(bool toLast);
    void locateSubtitle();
    void SyncToggled();
    void resetPreviewColour();

private:
    void Timer1Timer();
    void followPlayer(double position);
    void applyTransportLook(int playState);
    void showFrameCommands(bool on);
    void applyNoMovieLook();
    void playerPositionChange(double oldFrame, double newFrame);
    MediaPlayer *player() const;

    PlayerParts &mParts;
    EditorContext &mCtx;
    PlayerState &mPlayer;
    QTimer *Timer1;
};

} // namespace cuefold
