#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace cuefold {

struct EditorContext;
struct PlayerParts;
struct PlayerState;
class MediaPlayer;
class TransportCommands;

// Timing subtitles from the player: automation (F8) stamps the frame on
// screen and moves on, frame capture (F9) inserts a subtitle there.
class AutomationCapture : public QObject {
public:
    AutomationCapture(PlayerParts &parts, TransportCommands &transport);
    // Starts watching for the automation key.
    void install();

    void MenuPlayerAutomateClick();
    void MenuPlayerCaptureFrameClick();

protected:
    // Takes the frame on screen the moment the automation key arrives.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The frame on screen when the automation key came, or now for a click.
    double takeKeyPosition();
    void statusMessage(const QString &text);
    MediaPlayer *player() const;

    PlayerParts &mParts;
    EditorContext &mCtx;
    PlayerState &mPlayer;
    TransportCommands &mTransport;
    double mKeyFrame = -1;   // the frame on screen at the last automation key
    QElapsedTimer mKeyClock; // since that key
};

} // namespace cuefold
