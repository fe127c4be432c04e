#include "player/MpvController.h"

#include "player/MpvLibrary.h"

#include <QMetaObject>
#include <QtGlobal>
#include <clocale>
#include <stdexcept>

namespace cuefold {

namespace {

// Reply ids of the observed properties.
enum ObservedProperty : quint64 {
    TimePos = 1,
    Pause,
    Duration,
    ContainerFps,
    EstimatedVfFps,
    DisplayWidth,
    DisplayHeight,
    EofReached,
    SubText,
};

struct Observation {
    ObservedProperty id;
    const char *name;
    mpv_format format;
};

// The display size (after the aspect ratio) rather than the coded size: it is
// the size at which the picture is meant to be seen, and what zoom scales.
constexpr Observation Observations[] = {
    {TimePos, "time-pos", MPV_FORMAT_DOUBLE},
    {Pause, "pause", MPV_FORMAT_FLAG},
    {Duration, "duration", MPV_FORMAT_DOUBLE},
    {ContainerFps, "container-fps", MPV_FORMAT_DOUBLE},
    {EstimatedVfFps, "estimated-vf-fps", MPV_FORMAT_DOUBLE},
    {DisplayWidth, "dwidth", MPV_FORMAT_INT64},
    {DisplayHeight, "dheight", MPV_FORMAT_INT64},
    {EofReached, "eof-reached", MPV_FORMAT_FLAG},
    {SubText, "sub-text", MPV_FORMAT_STRING},
};

double doubleOr(const void *data, double fallback) { return data ? *static_cast<const double *>(data) : fallback; }
bool flagOr(const void *data, bool fallback) { return data ? *static_cast<const int *>(data) != 0 : fallback; }
int intOr(const void *data, int fallback) { return data ? int(*static_cast<const qint64 *>(data)) : fallback; }

const MpvLibrary &loadedLibrary()
{
    const MpvLibrary *mpv = MpvLibrary::get();
    if (!mpv)
        throw std::runtime_error("libmpv could not be loaded");
    return *mpv;
}

QList<const char *> argumentVector(const QList<QByteArray> &args)
{
    QList<const char *> argv;
    for (const QByteArray &a : args)
        argv.append(a.constData());
    argv.append(nullptr);
    return argv;
}

} // namespace

void MpvController::useCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}

MpvController::MpvController(const Options &options, QObject *parent)
    : QObject(parent)
    , mMpv(loadedLibrary())
{
    useCNumericLocale();
    mHandle = mMpv.create();
    if (!mHandle)
        throw std::runtime_error("libmpv could not create a player core");
    for (const auto &[name, value] : options)
        mMpv.set_option_string(mHandle, name.constData(), value.constData());
    if (mMpv.initialize(mHandle) < 0) {
        mMpv.terminate_destroy(mHandle);
        throw std::runtime_error("libmpv could not initialise the player core");
    }
    observeProperties();
    mMpv.set_wakeup_callback(mHandle, [](void *self) { static_cast<MpvController *>(self)->scheduleDrain(); }, this);
}

MpvController::~MpvController()
{
    mMpv.set_wakeup_callback(mHandle, nullptr, nullptr);
    mMpv.terminate_destroy(mHandle);
}

void MpvController::observeProperties()
{
    for (const Observation &o : Observations)
        mMpv.observe_property(mHandle, o.id, o.name, o.format);
}

// Runs on mpv's thread: one queued drain is enough however often mpv calls.
void MpvController::scheduleDrain()
{
    if (mDrainQueued.exchange(true))
        return;
    QMetaObject::invokeMethod(this, &MpvController::drainEvents, Qt::QueuedConnection);
}

void MpvController::drainEvents()
{
    mDrainQueued = false;
    for (;;) {
        const mpv_event *event = mMpv.wait_event(mHandle, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(*event);
    }
}

void MpvController::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE:
        handlePropertyChange(event.reply_userdata, static_cast<const mpv_event_property *>(event.data)->data);
        break;
    case MPV_EVENT_COMMAND_REPLY:
        emit commandReplied(event.reply_userdata, event.error >= 0);
        break;
    case MPV_EVENT_FILE_LOADED:
        emit fileLoaded();
        break;
    case MPV_EVENT_END_FILE:
        emit fileEnded(static_cast<const mpv_event_end_file *>(event.data)->reason == MPV_END_FILE_REASON_ERROR);
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        emit playbackRestarted();
        break;
    default:
        break;
    }
}

// A property without a value (no file, no video) reads as its neutral value.
void MpvController::handlePropertyChange(quint64 id, const void *data)
{
    switch (id) {
    case TimePos:
        emit timePosChanged(doubleOr(data, 0));
        break;
    case Pause:
        emit pauseChanged(flagOr(data, true));
        break;
    case Duration:
        emit durationChanged(doubleOr(data, 0));
        break;
    case ContainerFps:
        emit containerFpsChanged(doubleOr(data, 0));
        break;
    case EstimatedVfFps:
        emit estimatedVfFpsChanged(doubleOr(data, 0));
        break;
    case DisplayWidth:
        mVideoSize.setWidth(intOr(data, -1));
        emit videoSizeChanged(mVideoSize);
        break;
    case DisplayHeight:
        mVideoSize.setHeight(intOr(data, -1));
        emit videoSizeChanged(mVideoSize);
        break;
    case EofReached:
        emit eofReachedChanged(flagOr(data, false));
        break;
    case SubText:
        emit subTextChanged(data ? QString::fromUtf8(*static_cast<char *const *>(data)) : QString());
        break;
    default:
        break;
    }
}

bool MpvController::command(const QList<QByteArray> &args)
{
    return mMpv.command(mHandle, argumentVector(args).data()) >= 0;
}

bool MpvController::commandAsync(quint64 id, const QList<QByteArray> &args)
{
    return mMpv.command_async(mHandle, id, argumentVector(args).data()) >= 0;
}

bool MpvController::setFlag(const char *name, bool value)
{
    int flag = value ? 1 : 0;
    return mMpv.set_property(mHandle, name, MPV_FORMAT_FLAG, &flag) >= 0;
}

bool MpvController::setDouble(const char *name, double value)
{
    return mMpv.set_property(mHandle, name, MPV_FORMAT_DOUBLE, &value) >= 0;
}

bool MpvController::setString(const char *name, const QByteArray &value)
{
    return mMpv.set_property_string(mHandle, name, value.constData()) >= 0;
}

double MpvController::getDouble(const char *name, double fallback) const
{
    double value = fallback;
    return mMpv.get_property(mHandle, name, MPV_FORMAT_DOUBLE, &value) >= 0 ? value : fallback;
}

bool MpvController::getFlag(const char *name, bool fallback) const
{
    int flag = fallback ? 1 : 0;
    return mMpv.get_property(mHandle, name, MPV_FORMAT_FLAG, &flag) >= 0 ? flag != 0 : fallback;
}

QString MpvController::getString(const char *name) const
{
    char *text = mMpv.get_property_string(mHandle, name);
    const QString result = text ? QString::fromUtf8(text) : QString();
    mMpv.free(text);
    return result;
}

} // namespace cuefold
