#pragma once

#include "player/shot_list.h"

#include <QObject>
#include <QString>

namespace cuefold {

class AnalysisRunner;
struct AnalysisJob;
struct MediaFunctions;

// The shot changes of the movie in the player. A movie analysed before
// gets its stored result at once; a new one gets its key frames within
// seconds, then the full search runs in the background and replaces them.
// Every result is stored in the analysis cache.
class ShotChanges : public QObject {
    Q_OBJECT

public:
    ShotChanges();
    ~ShotChanges() override;
    // The searches run through `runner`, one after another with the movie's
    // other analyses, their progress in the status bar.
    void setRunner(AnalysisRunner *runner) { mRunner = runner; }

    void movieLoaded(const QString &path);
    void movieClosed();
    const ShotList &shots() const { return mShots; }
    // The full search has given its result (not just the key frames).
    bool complete() const { return mComplete; }
    // Shot changes read from a file take the place of the movie's own.
    void replace(ShotList shots);
    // The snapping the settings ask for: off when they say so.
    ShotSnap snap() const;
    // The search's reach: the settings' distance, snapping on or not.
    ShotSnap reach() const;
    // Where a start set from the movie goes (F9, a click on the sound).
    double snapStart(double frame) const { return SnapStart(snap(), frame); }

signals:
    void shotsChanged();

private:
    // Runs the analysis of mMovie away from the window; results come back
    // through take().
    void analyse(bool keyFramesFirst);
    AnalysisJob job(const MediaFunctions &media, const QByteArray &kind, const QByteArray &caption);
    void take(int run, const QByteArray &kind, const ShotList &shots);
    void stop();

    QString mMovie;
    ShotList mShots;
    bool mComplete = false;
    int mRun = 0; // results of an earlier run are dropped
    AnalysisRunner *mRunner = nullptr;
};

} // namespace cuefold
