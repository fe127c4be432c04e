// Shot changes of a movie: its key frames by demuxing, and a full search
// with the scene-change filter on decoded pictures.
#include "media/media_functions.h"
#include "media/movie_input.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace cuefold {

namespace {

template <typename T, void (*Free)(T **)>
struct Freed {
    void operator()(T *p) const { Free(&p); }
};
using Packet = std::unique_ptr<AVPacket, Freed<AVPacket, av_packet_free>>;
using Picture = std::unique_ptr<AVFrame, Freed<AVFrame, av_frame_free>>;
using Decoder = std::unique_ptr<AVCodecContext, Freed<AVCodecContext, avcodec_free_context>>;
using Graph = std::unique_ptr<AVFilterGraph, Freed<AVFilterGraph, avfilter_graph_free>>;

// The decoder set for speed over beauty: the scene-change score compares
// whole pictures, which small, unfiltered pictures do as well.
Decoder OpenDecoder(const AVStream *stream)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return nullptr;
    Decoder decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0)
        return nullptr;
    decoder->pkt_timebase = stream->time_base;
    decoder->lowres = std::min<int>(codec->max_lowres, 3);
    decoder->skip_loop_filter = AVDISCARD_ALL;
    decoder->flags2 |= AV_CODEC_FLAG2_FAST;
    decoder->thread_count = 0; // one per core
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return nullptr;
    return decoder;
}

// The filter chain from the decoder's pictures through the scene-change
// detector, built for the first picture's size and format.
class SceneFilter {
public:
    bool build(const AVFrame *first, AVRational timeBase, double threshold)
    {
        mGraph.reset(avfilter_graph_alloc());
        if (!mGraph)
            return false;
        mGraph->nb_threads = 1; // the decoder has the cores
        const std::string source = "video_size=" + std::to_string(first->width) + 'x' +
                                   std::to_string(first->height) + ":pix_fmt=" + std::to_string(first->format) +
                                   ":time_base=" + std::to_string(timeBase.num) + '/' + std::to_string(timeBase.den) +
                                   ":pixel_aspect=1/1";
        AVFilterContext *scene = nullptr;
        return avfilter_graph_create_filter(&mSource, avfilter_get_by_name("buffer"), "in", source.c_str(), nullptr,
                                            mGraph.get()) >= 0 &&
               avfilter_graph_create_filter(&scene, avfilter_get_by_name("scdet"), "scene",
                                            ("threshold=" + std::to_string(threshold)).c_str(), nullptr,
                                            mGraph.get()) >= 0 &&
               avfilter_graph_create_filter(&mSink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                            mGraph.get()) >= 0 &&
               avfilter_link(mSource, 0, scene, 0) >= 0 && avfilter_link(scene, 0, mSink, 0) >= 0 &&
               avfilter_graph_config(mGraph.get(), nullptr) >= 0;
    }
    bool built() const { return bool(mGraph); }
    // Passes a picture through (nullptr: the end), then reports every
    // picture the detector marked as a new shot.
    template <typename Found>
    bool push(AVFrame *picture, AVFrame *out, Found found)
    {
        if (av_buffersrc_add_frame_flags(mSource, picture, AV_BUFFERSRC_FLAG_KEEP_REF) < 0)
            return false;
        while (av_buffersink_get_frame(mSink, out) >= 0) {
            if (av_dict_get(out->metadata, "lavfi.scd.time", nullptr, 0))
                found(out->pts);
            av_frame_unref(out);
        }
        return true;
    }

private:
    Graph mGraph;
    AVFilterContext *mSource = nullptr;
    AVFilterContext *mSink = nullptr;
};

} // namespace

ShotSearchEnd MovieKeyFrames(const char *path, const ShotSearch *search)
{
    MovieInput movie;
    if (!movie.open(path))
        return ShotSearchEnd::Failed;
    for (unsigned i = 0; i < movie.format()->nb_streams; ++i)
        if (int(i) != movie.videoIndex())
            movie.format()->streams[i]->discard = AVDISCARD_ALL;
    const Packet packet(av_packet_alloc());
    std::vector<int> frames;
    while (av_read_frame(movie.format(), packet.get()) >= 0) {
        if (packet->stream_index == movie.videoIndex() && (packet->flags & AV_PKT_FLAG_KEY)) {
            const std::int64_t at = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (at != AV_NOPTS_VALUE)
                frames.push_back(movie.frameAt(at));
            if (search->progress && !search->progress(search->opaque, movie.shareBefore(at)))
                return ShotSearchEnd::Stopped;
        }
        av_packet_unref(packet.get());
    }
    // Stored in decoding order; shown in the order of time.
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    for (int frame : frames)
        if (frame >= 0)
            search->found(search->opaque, frame);
    return ShotSearchEnd::Done;
}

ShotSearchEnd MovieShotChanges(const char *path, const ShotSearch *search)
{
    MovieInput movie;
    if (!movie.open(path))
        return ShotSearchEnd::Failed;
    const Decoder decoder = OpenDecoder(movie.video());
    if (!decoder)
        return ShotSearchEnd::Failed;
    for (unsigned i = 0; i < movie.format()->nb_streams; ++i)
        if (int(i) != movie.videoIndex())
            movie.format()->streams[i]->discard = AVDISCARD_ALL;
    const Packet packet(av_packet_alloc());
    const Picture picture(av_frame_alloc()), out(av_frame_alloc());
    SceneFilter filter;
    int lastFound = -1;
    const auto foundAt = [&](std::int64_t pts) {
        const int frame = movie.frameAt(pts);
        if (frame > lastFound) {
            lastFound = frame;
            search->found(search->opaque, frame);
        }
    };
    // Takes every picture the decoder has ready through the filter.
    const auto drain = [&]() {
        while (avcodec_receive_frame(decoder.get(), picture.get()) >= 0) {
            picture->pts = picture->best_effort_timestamp;
            const bool ok = (filter.built() || filter.build(picture.get(), movie.video()->time_base, search->threshold)) &&
                            filter.push(picture.get(), out.get(), foundAt);
            const double done = movie.shareBefore(picture->pts);
            av_frame_unref(picture.get());
            if (!ok)
                return ShotSearchEnd::Failed;
            if (search->progress && !search->progress(search->opaque, done))
                return ShotSearchEnd::Stopped;
        }
        return ShotSearchEnd::Done;
    };
    bool reading = true;
    while (reading) {
        reading = av_read_frame(movie.format(), packet.get()) >= 0;
        if (reading && packet->stream_index != movie.videoIndex()) {
            av_packet_unref(packet.get());
            continue;
        }
        // A packet the decoder refuses is skipped: the pictures around it
        // still count.
        avcodec_send_packet(decoder.get(), reading ? packet.get() : nullptr);
        av_packet_unref(packet.get());
        if (const ShotSearchEnd end = drain(); end != ShotSearchEnd::Done)
            return end;
    }
    if (filter.built() && !filter.push(nullptr, out.get(), foundAt))
        return ShotSearchEnd::Failed;
    return ShotSearchEnd::Done;
}

} // namespace cuefold
