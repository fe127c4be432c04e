#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace cuefold {

struct EditorContext;
struct PlayerParts;
class AnalysisRunner;
class WaveformStrip;

// The sound strip under the panel as a part of the player: shown and hidden
// by its command, fed with the loaded movie's sound (from the analysis cache
// or read in the background) and the player's position, and turning clicks
// in it into edits of the current subtitle through the panel.
class WaveformController : public QObject {
public:
    WaveformController(PlayerParts &parts, AnalysisRunner &runner);
    ~WaveformController() override;

    // Made without a parent: the main window puts it under the panel.
    WaveformStrip *strip() const;
    void setShown(bool shown);
    bool shown() const { return mShown; }
    // The sound of the movie now in the player, once it has loaded.
    void movieLoaded();
    void movieUnloaded();
    void retranslate();

private:
    void analyse();
    void showWave(const QByteArray &encoded);
    void followPlayer();
    void pickStart(int frame);
    void pickLast(int frame);
    void moveEdge(int row, bool first, int frame);
    void playFrom(int frame);
    // The current subtitle can take a frame from the strip.
    bool editable() const;

    PlayerParts &mParts;
    EditorContext &mCtx;
    AnalysisRunner &mRunner;
    QPointer<WaveformStrip> mStrip; // the window owns it once placed
    QTimer mCursorTimer;
    QString mAnalysed; // the movie whose sound the strip has or is reading
    bool mShown = false;
};

} // namespace cuefold
