#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <deque>
#include <functional>
#include <optional>
#include <thread>

namespace cuefold {

class StatusPanels;

// A piece of work on a movie that takes a while (reading its sound, finding
// its shot changes), run away from the window.
struct AnalysisJob {
    // What the status bar calls the work while it shows its progress.
    QString caption;
    // Runs on the worker thread. `progress` takes the share done (0..1) and
    // returns false once the job is to stop; the work then returns early, its
    // result thrown away.
    std::function<std::optional<QByteArray>(const std::function<bool(double)> &progress)> work;
    // Runs on the window's thread with the result of work that was not
    // stopped; nullopt when the work failed.
    std::function<void(std::optional<QByteArray> result)> done;
};

// Runs analysis jobs one after another on a thread of its own, showing each
// one's progress in the status bar. Stopping, or destroying the runner,
// stops the job at its next progress report and waits for the thread.
class AnalysisRunner : public QObject {
    Q_OBJECT

public:
    explicit AnalysisRunner(StatusPanels &status, QObject *parent = nullptr);
    ~AnalysisRunner() override;

    // Runs `job` once the jobs before it have finished.
    void start(AnalysisJob job);
    // Stops the running job and forgets the waiting ones.
    void cancel();
    bool busy() const { return mThread.joinable(); }

signals:
    void busyChanged(bool busy);

private:
    void next();
    void finished(std::optional<QByteArray> result);
    void showProgress(int percent);

    StatusPanels &mStatus;
    std::deque<AnalysisJob> mWaiting;
    AnalysisJob mRunning;
    std::thread mThread;
    std::atomic<bool> mStop{false};
    std::atomic<int> mPercent{-1}; // last shown, so that the window hears of each percent once
};

} // namespace cuefold
