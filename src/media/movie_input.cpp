#include "media/movie_input.h"

extern "C" {
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
}

#include <algorithm>

namespace cuefold {

MovieInput::~MovieInput()
{
    avformat_close_input(&mFormat);
}

bool MovieInput::open(const char *path)
{
    // A movie the player can show anyway is no reason for console noise.
    av_log_set_level(AV_LOG_QUIET);
    if (avformat_open_input(&mFormat, path, nullptr, nullptr) < 0 || avformat_find_stream_info(mFormat, nullptr) < 0)
        return false;
    mVideo = av_find_best_stream(mFormat, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    return mVideo >= 0;
}

namespace {

std::int64_t StartOf(const AVStream *stream)
{
    return stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
}

} // namespace

int MovieInput::frameAt(std::int64_t pts) const
{
    const AVStream *stream = video();
    // The average rate is what players time a file by; the base rate stands
    // in when a container leaves it out.
    const AVRational rate = stream->avg_frame_rate.num > 0 && stream->avg_frame_rate.den > 0 ? stream->avg_frame_rate
                                                                                           : stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        return -1;
    const auto rounding = static_cast<AVRounding>(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX);
    return int(av_rescale_q_rnd(pts - StartOf(stream), stream->time_base, av_inv_q(rate), rounding));
}

double MovieInput::shareBefore(std::int64_t pts) const
{
    const AVStream *stream = video();
    double length = stream->duration != AV_NOPTS_VALUE ? stream->duration * av_q2d(stream->time_base) : 0;
    if (length <= 0 && mFormat->duration > 0)
        length = double(mFormat->duration) / AV_TIME_BASE;
    if (length <= 0 || pts == AV_NOPTS_VALUE)
        return 0;
    return std::clamp((pts - StartOf(stream)) * av_q2d(stream->time_base) / length, 0.0, 1.0);
}

} // namespace cuefold
