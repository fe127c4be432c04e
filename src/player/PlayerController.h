#pragma once

#include "editor/CommandTable.h"
#include "player/AnalysisRunner.h"
#include "player/AutomationCapture.h"
#include "player/FollowTimer.h"
#include "player/GirderMode.h"
#include "player/MovieLoader.h"
#include "player/PlayerParts.h"
#include "player/SaveHooks.h"
#include "player/TransportCommands.h"
#include "player/WaveformController.h"

#include <QObject>

class QComboBox;
class QTimer;

namespace cuefold {

class MediaPlayer;
class TFormFileProperties;
class TFormWMP;

// The player subsystem as the editor sees it: owns the preview window and
// the pieces of the subsystem (movie loading, following, transport,
// automation and capture, the remote-control mode, the save hooks), and
// registers the Player and Girder menus. The rest of the editor reaches a
// piece through its accessor.
class PlayerController : public QObject {
    Q_OBJECT

public:
    explicit PlayerController(EditorContext &ctx);
    ~PlayerController() override;
    std::vector<MenuTable> menuTables();
    // Puts the zoom list on the Player tool bar and starts the timer, once
    // the menus are built.
    void attach();

    MediaPlayer *player() const { return mParts.player(); }
    TFormWMP *window() const { return mParts.window; }
    const PlayerState &state() const { return mParts.state; }
    const FilterState &filterState() const { return mParts.filter; }
    QComboBox *zoomList() const { return ComboBoxPlayerZoom; }
    // The movie that came with the opened subtitle file is loaded.
    bool movieFromOpenLoaded() const { return state().MovieLoaded && state().MovieFromOpen; }

    MovieLoader &movie() { return mMovie; }
    TransportCommands &transport() { return mTransport; }
    FollowTimer &follow() { return mFollow; }
    AutomationCapture &automation() { return mAutomation; }
    GirderMode &girder() { return mGirder; }
    SaveHooks &saveHooks() { return mSaveHooks; }
    ShotChanges &shots() { return mParts.shots; }
    // Runs the long analyses of the movie away from the window.
    AnalysisRunner &analysis() { return mRunner; }
    WaveformController &waveform() { return mWaveform; }

    void loadSettings();
    void saveSettings();
    // The player window and control as `options` say (the settings, or the
    // settings window's controls while it previews them).
    void ConfigureWMP(const PlayerSettings &options);
    // The movie dialog's start folder.
    void setMovieFolder(const QString &folder) { mParts.movieFolder = folder; }
    void retranslate();
    // The settings and help windows keep the remote-control keys off while open.
    void setOptionsOpen(bool open) { mGirder.setOptionsOpen(open); }
    // The program is closing: no resume may start any more.
    void setClosing() { mParts.closing = true; }
    void ShowPlayer(int mode);
    // The Play button of the file properties as the Play command reads.
    void showPlayTexts(TFormFileProperties &props) const;

signals:
    // False while a timing test owns the player.
    void seekingChanged(bool seeking);

private:
    MenuTable playerTable();
    void FormWMPClose();
    void FormWMPResize();
    void zoomTo(int index);
    void updateShowPlayerCommand();

    PlayerParts mParts;
    MovieLoader mMovie;
    TransportCommands mTransport;
    FollowTimer mFollow;
    AutomationCapture mAutomation;
    GirderMode mGirder;
    SaveHooks mSaveHooks;
    WaveformController mWaveform;
    // After the strip: destroyed first, it waits for its thread, and no
    // result reaches the strip's controller after that.
    AnalysisRunner mRunner;
    EditorContext &mCtx;
    PlayerState &mPlayer;
    FilterState &mFilter;
    TFormWMP *FormWMP;
    QTimer *mShowCommandTimer; // refreshes the show/hide command after the window settles
    QComboBox *ComboBoxPlayerZoom;
};

} // namespace cuefold
