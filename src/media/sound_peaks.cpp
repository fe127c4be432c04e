#include "media/media_functions.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <memory>
#include <vector>

namespace cuefold {

namespace {

// Collects the lowest and highest sample of each video frame and hands the
// pairs on in pieces.
class FramePeaks {
public:
    FramePeaks(const SoundPeaksSink &sink, std::int64_t sampleRate, std::int64_t rateNum, std::int64_t rateDen)
        : mSink(sink)
        , mPerSecond(sampleRate * rateDen)
        , mRateNum(rateNum)
    {
        mPairs.reserve(2 * Piece);
    }

    // Samples to leave out before the sound's first (a start before 0), or
    // silence to put in (a start after it).
    void startAt(std::int64_t sample)
    {
        if (sample > 0) {
            const std::vector<std::int16_t> silence(std::size_t(std::min<std::int64_t>(sample, 1 << 22)), 0);
            for (std::int64_t left = sample; left > 0; left -= std::int64_t(silence.size()))
                add(silence.data(), int(std::min<std::int64_t>(left, std::int64_t(silence.size()))));
        } else {
            mSkip = -sample;
        }
    }

    void add(const std::int16_t *samples, int count)
    {
        const int skipped = int(std::min<std::int64_t>(mSkip, count));
        mSkip -= skipped;
        for (int i = skipped; i < count;) {
            // The samples up to the next frame's first at once: the inner
            // loop only compares.
            const int end = int(std::min<std::int64_t>(count, i + (mNextStart - mSample)));
            std::int16_t low = mLow, high = mHigh;
            for (int j = i; j < end; ++j) {
                low = std::min(low, samples[j]);
                high = std::max(high, samples[j]);
            }
            mLow = low;
            mHigh = high;
            mSample += end - i;
            i = end;
            if (mSample == mNextStart)
                closeFrame();
        }
    }

    // The last frame, cut short by the end of the sound.
    void finish()
    {
        if (mLow <= mHigh)
            closeFrame();
        flush();
    }

private:
    static constexpr std::size_t Piece = 4096;

    void closeFrame()
    {
        auto scaled = [](std::int16_t v) { return std::int8_t(std::max(-127, v / 256)); };
        mPairs.push_back(mLow <= mHigh ? scaled(mLow) : 0);
        mPairs.push_back(mLow <= mHigh ? scaled(mHigh) : 0);
        mLow = INT16_MAX;
        mHigh = INT16_MIN;
        ++mFrame;
        // The first sample at or after the next frame's start time.
        mNextStart = ((mFrame + 1) * mPerSecond + mRateNum - 1) / mRateNum;
        if (mPairs.size() >= 2 * Piece)
            flush();
    }

    void flush()
    {
        if (!mPairs.empty())
            mSink.peaks(mSink.opaque, mPairs.data(), std::int64_t(mPairs.size() / 2));
        mPairs.clear();
    }

    const SoundPeaksSink &mSink;
    const std::int64_t mPerSecond, mRateNum;
    std::int64_t mFrame = 0, mSample = 0, mSkip = 0;
    std::int64_t mNextStart = (mPerSecond + mRateNum - 1) / mRateNum;
    std::int16_t mLow = INT16_MAX, mHigh = INT16_MIN;
    std::vector<std::int8_t> mPairs;
};

struct Closers {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
    void operator()(SwrContext *c) const { swr_free(&c); }
    void operator()(AVPacket *p) const { av_packet_free(&p); }
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};

// Reads the stream's packets to the end, decoding and reducing each.
class SoundReader {
public:
    SoundReader(AVFormatContext *format, AVStream *stream, AVCodecContext *codec, SwrContext *mixer, FramePeaks &peaks)
        : mFormat(format)
        , mStream(stream)
        , mCodec(codec)
        , mMixer(mixer)
        , mPeaks(peaks)
    {
    }

    SoundResult run(const SoundPeaksSink &sink)
    {
        const std::unique_ptr<AVPacket, Closers> packet(av_packet_alloc());
        const std::unique_ptr<AVFrame, Closers> frame(av_frame_alloc());
        const double length = mFormat->duration > 0 ? double(mFormat->duration) / AV_TIME_BASE : 0;
        for (int count = 0; av_read_frame(mFormat, packet.get()) >= 0; ++count) {
            const bool ours = packet->stream_index == mStream->index;
            if (ours && count % 64 == 0 && length > 0 && packet->pts != AV_NOPTS_VALUE
                && !sink.progress(sink.opaque, std::clamp(packet->pts * av_q2d(mStream->time_base) / length, 0.0, 1.0))) {
                av_packet_unref(packet.get());
                return SoundResult::Cancelled;
            }
            const bool sent = !ours || avcodec_send_packet(mCodec, packet.get()) >= 0;
            av_packet_unref(packet.get());
            if (sent && ours)
                receive(frame.get());
        }
        avcodec_send_packet(mCodec, nullptr);
        receive(frame.get());
        mix(nullptr, 0);
        mPeaks.finish();
        return SoundResult::Done;
    }

private:
    void receive(AVFrame *frame)
    {
        while (avcodec_receive_frame(mCodec, frame) >= 0) {
            if (!mStarted) {
                mStarted = true;
                const std::int64_t pts = frame->best_effort_timestamp;
                if (pts != AV_NOPTS_VALUE)
                    mPeaks.startAt(av_rescale_q(pts, mStream->time_base, {1, mCodec->sample_rate}));
            }
            mix(const_cast<const std::uint8_t **>(frame->extended_data), frame->nb_samples);
            av_frame_unref(frame);
        }
    }

    // One channel of 16-bit samples; no input drains what the mixer holds.
    void mix(const std::uint8_t **input, int count)
    {
        const int room = swr_get_out_samples(mMixer, count);
        if (room <= 0)
            return;
        mMono.resize(std::size_t(room));
        auto *out = reinterpret_cast<std::uint8_t *>(mMono.data());
        const int made = swr_convert(mMixer, &out, room, input, count);
        if (made > 0)
            mPeaks.add(mMono.data(), made);
    }

    AVFormatContext *mFormat;
    AVStream *mStream;
    AVCodecContext *mCodec;
    SwrContext *mMixer;
    FramePeaks &mPeaks;
    std::vector<std::int16_t> mMono;
    bool mStarted = false;
};

} // namespace

SoundResult SoundPeaks(const char *path, std::int64_t rateNum, std::int64_t rateDen, const SoundPeaksSink *sink)
{
    av_log_set_level(AV_LOG_QUIET);
    if (rateNum <= 0 || rateDen <= 0)
        return SoundResult::Unreadable;
    AVFormatContext *raw = nullptr;
    if (avformat_open_input(&raw, path, nullptr, nullptr) < 0)
        return SoundResult::Unreadable;
    const std::unique_ptr<AVFormatContext *, void (*)(AVFormatContext **)> format(&raw, avformat_close_input);
    if (avformat_find_stream_info(raw, nullptr) < 0)
        return SoundResult::Unreadable;
    const AVCodec *decoder = nullptr;
    const int index = av_find_best_stream(raw, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0 || !decoder)
        return index == AVERROR_STREAM_NOT_FOUND ? SoundResult::NoSound : SoundResult::Unreadable;
    // Only the sound is read: the demuxer skips the pictures' packets.
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        raw->streams[i]->discard = int(i) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    AVStream *stream = raw->streams[index];

    const std::unique_ptr<AVCodecContext, Closers> codec(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), stream->codecpar) < 0
        || avcodec_open2(codec.get(), decoder, nullptr) < 0 || codec->sample_rate <= 0)
        return SoundResult::Unreadable;
    // A stream that names no channel layout gets the usual one for its count.
    AVChannelLayout layout{};
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&layout, std::max(1, codec->ch_layout.nb_channels));
    else if (av_channel_layout_copy(&layout, &codec->ch_layout) < 0)
        return SoundResult::Unreadable;
    SwrContext *mixerRaw = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    const int made = swr_alloc_set_opts2(&mixerRaw, &mono, AV_SAMPLE_FMT_S16, codec->sample_rate, &layout,
                                         codec->sample_fmt, codec->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&layout);
    if (made < 0)
        return SoundResult::Unreadable;
    const std::unique_ptr<SwrContext, Closers> mixer(mixerRaw);
    if (swr_init(mixer.get()) < 0)
        return SoundResult::Unreadable;

    FramePeaks peaks(*sink, codec->sample_rate, rateNum, rateDen);
    return SoundReader(raw, stream, codec.get(), mixer.get(), peaks).run(*sink);
}

} // namespace cuefold
