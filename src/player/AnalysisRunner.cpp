#include "player/AnalysisRunner.h"

#include "editor/StatusPanels.h"

namespace cuefold {

AnalysisRunner::AnalysisRunner(StatusPanels &status, QObject *parent)
    : QObject(parent)
    , mStatus(status)
{
}

AnalysisRunner::~AnalysisRunner()
{
    mWaiting.clear();
    mStop = true;
    if (mThread.joinable())
        mThread.join();
}

void AnalysisRunner::start(AnalysisJob job)
{
    mWaiting.push_back(std::move(job));
    if (!busy())
        next();
}

void AnalysisRunner::cancel()
{
    mWaiting.clear();
    mStop = true;
}

void AnalysisRunner::next()
{
    if (mWaiting.empty()) {
        emit busyChanged(false);
        return;
    }
    mRunning = std::move(mWaiting.front());
    mWaiting.pop_front();
    mStop = false;
    mPercent = -1;
    mThread = std::thread([this, work = mRunning.work] {
        std::optional<QByteArray> result = work([this](double done) {
            const int percent = int(done * 100);
            if (mPercent.exchange(percent) != percent)
                QMetaObject::invokeMethod(this, [this, percent] { showProgress(percent); }, Qt::QueuedConnection);
            return !mStop.load();
        });
        // Dropped unseen when the runner is gone by then.
        QMetaObject::invokeMethod(this, [this, result = std::move(result)] { finished(result); },
                                  Qt::QueuedConnection);
    });
    showProgress(0);
    emit busyChanged(true);
}

void AnalysisRunner::finished(std::optional<QByteArray> result)
{
    mThread.join();
    if (mStatus.text(StatusPanels::Message).startsWith(mRunning.caption))
        mStatus.clearMessage();
    const AnalysisJob job = std::move(mRunning);
    mRunning = {};
    const bool stopped = mStop;
    // The next job starts first: the result may start another one.
    next();
    if (!stopped)
        job.done(std::move(result));
}

void AnalysisRunner::showProgress(int percent)
{
    if (busy() && !mStop)
        mStatus.setText(StatusPanels::Message, mRunning.caption + QStringLiteral(" %1 %").arg(percent));
}

} // namespace cuefold
