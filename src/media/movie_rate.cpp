#include "media/media_functions.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <memory>

namespace cuefold {

bool MovieFrameRates(const char *path, MovieRates *rates)
{
    // A movie the player can show anyway is no reason for console noise.
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext *raw = nullptr;
    if (avformat_open_input(&raw, path, nullptr, nullptr) < 0)
        return false;
    const std::unique_ptr<AVFormatContext *, void (*)(AVFormatContext **)> context(&raw, avformat_close_input);
    if (avformat_find_stream_info(raw, nullptr) < 0)
        return false;
    const int index = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return false;
    const AVStream *stream = raw->streams[index];
    *rates = {stream->avg_frame_rate.num, stream->avg_frame_rate.den, stream->r_frame_rate.num, stream->r_frame_rate.den};
    return true;
}

} // namespace cuefold
