// The movie's sound reduced to one pair of peaks per video frame, on movies
// made by ffmpeg with a tone starting on known frames.
#include "generated_movie.h"

#include "media/media_functions.h"
#include "player/sound_wave.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

struct Collected {
    std::vector<std::int8_t> pairs;
    int progressCalls = 0;
    int stopAfter = -1; // cancel at this progress call
};

SoundResult read(const QString &movie, std::int64_t num, std::int64_t den, Collected &out)
{
    SoundPeaksSink sink;
    sink.opaque = &out;
    sink.progress = [](void *opaque, double) {
        auto *c = static_cast<Collected *>(opaque);
        return c->stopAfter < 0 || c->progressCalls++ < c->stopAfter;
    };
    sink.peaks = [](void *opaque, const std::int8_t *pairs, std::int64_t frames) {
        auto *c = static_cast<Collected *>(opaque);
        c->pairs.insert(c->pairs.end(), pairs, pairs + 2 * frames);
    };
    return SoundPeaks(QFile::encodeName(movie).constData(), num, den, &sink);
}

// The frames where loud sound follows a quiet frame.
std::vector<int> onsets(const std::vector<std::int8_t> &pairs)
{
    std::vector<int> found;
    bool loud = false;
    for (std::size_t f = 0; 2 * f < pairs.size(); ++f) {
        const bool now = pairs[2 * f + 1] > 50 && pairs[2 * f] < -50;
        if (now && !loud)
            found.push_back(int(f));
        loud = now;
    }
    return found;
}

} // namespace

TEST(SoundPeaks, FindsTheToneOnsetsOnTheirFramesAtBothRates)
{
    QTemporaryDir dir;
    const QList<int> tones{10, 47, 100};
    struct Case {
        const char *rate, *codec;
        std::int64_t num, den;
    } cases[] = {{"25", "pcm_s16le", 25, 1}, {"24000/1001", "pcm_s16le", 24000, 1001}, {"24000/1001", "aac", 24000, 1001}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.rate) + " " + c.codec);
        const QString movie = dir.filePath(QStringLiteral("tone.mkv"));
        ASSERT_TRUE(MakeToneMovie(movie, QString::fromLatin1(c.rate), 150, tones, 12, QString::fromLatin1(c.codec)));
        Collected out;
        ASSERT_EQ(read(movie, c.num, c.den, out), SoundResult::Done);
        EXPECT_NEAR(double(out.pairs.size() / 2), 150, 2);
        EXPECT_EQ(onsets(out.pairs), std::vector<int>(tones.begin(), tones.end()));
        EXPECT_EQ(out.pairs[2 * 30], 0) << "silence between the tones";
    }
}

TEST(SoundPeaks, TellsNoSoundUnreadableAndCancelled)
{
    QTemporaryDir dir;
    const QString silent = dir.filePath(QStringLiteral("silent.mkv"));
    ASSERT_TRUE(MakeToneMovie(silent, QStringLiteral("25"), 10, {}, 0, QStringLiteral("anullsrc")));
    Collected none;
    EXPECT_EQ(read(silent, 25, 1, none), SoundResult::NoSound);
    EXPECT_EQ(read(dir.filePath(QStringLiteral("missing.mkv")), 25, 1, none), SoundResult::Unreadable);

    const QString tone = dir.filePath(QStringLiteral("long.mkv"));
    ASSERT_TRUE(MakeToneMovie(tone, QStringLiteral("25"), 1500, {5}, 1000));
    Collected stopped;
    stopped.stopAfter = 1;
    EXPECT_EQ(read(tone, 25, 1, stopped), SoundResult::Cancelled);
    EXPECT_LT(stopped.pairs.size() / 2, 1500u);
}

TEST(SoundWave, KeepsItsRateAndPeaksThroughTheCacheAndRefusesOtherBytes)
{
    const SoundWave wave{SoundResult::Done, {24000, 1001}, QByteArray("\x81\x7f\0\0", 4)};
    const auto back = DecodeSoundWave(EncodeSoundWave(wave));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rate, wave.rate);
    EXPECT_EQ(back->pairs, wave.pairs);
    EXPECT_EQ(back->low(0), -127);
    EXPECT_EQ(back->high(0), 127);
    EXPECT_EQ(DecodeSoundWave(EncodeSoundWave({SoundResult::NoSound, {25, 1}, {}}))->result, SoundResult::NoSound);

    QByteArray cut = EncodeSoundWave(wave);
    cut.chop(1);
    EXPECT_FALSE(DecodeSoundWave(cut)) << "cut short";
    EXPECT_FALSE(DecodeSoundWave(EncodeSoundWave({SoundResult::Done, {0, 1}, {}}))) << "no rate";
    EXPECT_FALSE(DecodeSoundWave("peaks"));
}
