#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QString>
#include <atomic>

struct mpv_handle;
struct mpv_event;

namespace cuefold {

struct MpvLibrary;

// Owns one libmpv core. mpv wakes us from its own thread; the wake-up only
// queues a call, and every event is read and turned into a signal on the GUI
// thread, so nothing else in the program ever sees a foreign thread.
//
// libmpv needs LC_NUMERIC set to "C", and QApplication resets the locale from
// the environment when it is constructed. The constructor therefore sets it
// again; an application that changes the locale after QApplication exists
// must do so before the first controller is created, or call
// useCNumericLocale() again afterwards.
class MpvController : public QObject {
    Q_OBJECT
public:
    // Options applied in order before mpv_initialize, as mpv's own
    // "name=value" command-line options without the leading "--".
    using Options = QList<QPair<QByteArray, QByteArray>>;

    // Throws std::runtime_error when libmpv is missing or refuses a core.
    explicit MpvController(const Options &options, QObject *parent = nullptr);
    ~MpvController() override;

    static void useCNumericLocale();

    // For the render widget, which ties its render context to this core.
    mpv_handle *handle() const { return mHandle; }
    const MpvLibrary &library() const { return mMpv; }

    // Synchronous helpers; false (or the fallback) when mpv refuses.
    bool command(const QList<QByteArray> &args);
    // Runs the command on mpv's thread; commandReplied(id, ok) follows, in
    // order with the other events, once mpv has carried it out.
    bool commandAsync(quint64 id, const QList<QByteArray> &args);
    bool setFlag(const char *name, bool value);
    bool setDouble(const char *name, double value);
    bool setString(const char *name, const QByteArray &value);
    double getDouble(const char *name, double fallback = 0) const;
    bool getFlag(const char *name, bool fallback = false) const;
    QString getString(const char *name) const;

signals:
    void timePosChanged(double seconds);
    void pauseChanged(bool paused);
    void durationChanged(double seconds);
    void containerFpsChanged(double fps);
    void estimatedVfFpsChanged(double fps);
    void videoSizeChanged(QSize size);
    void eofReachedChanged(bool reached);
    void subTextChanged(const QString &text);
    void commandReplied(quint64 id, bool ok);
    void fileLoaded();
    // failed: the file ended because mpv could not open or play it.
    void fileEnded(bool failed);
    void playbackRestarted();

private:
    void observeProperties();
    void scheduleDrain();
    void drainEvents();
    void handleEvent(const mpv_event &event);
    void handlePropertyChange(quint64 id, const void *data);

    const MpvLibrary &mMpv;
    mpv_handle *mHandle = nullptr;
    std::atomic_bool mDrainQueued{false};

    QSize mVideoSize; // mpv reports the two sides separately
};

} // namespace cuefold
