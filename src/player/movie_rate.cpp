#include "player/movie_rate.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <memory>

namespace cuefold {

std::optional<FrameRate> ReadMovieFrameRate(const QString &path)
{
    // A movie the player can show anyway is no reason for console noise.
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext *raw = nullptr;
    if (avformat_open_input(&raw, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return std::nullopt;
    const std::unique_ptr<AVFormatContext *, void (*)(AVFormatContext **)> context(&raw, avformat_close_input);
    if (avformat_find_stream_info(raw, nullptr) < 0)
        return std::nullopt;
    const int index = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return std::nullopt;
    // The average over the stream is what players time a file by; the base
    // rate stands in when a container leaves the average out.
    const AVStream *stream = raw->streams[index];
    for (const AVRational rate : {stream->avg_frame_rate, stream->r_frame_rate}) {
        if (const auto r = MakeFrameRate(rate.num, rate.den))
            return r;
    }
    return std::nullopt;
}

} // namespace cuefold
