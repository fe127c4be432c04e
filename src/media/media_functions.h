#pragma once

#include <cstdint>

namespace cuefold {

// What the movie analysis library offers. It lives in a library of its own
// beside the executable, opened with the first movie, so that FFmpeg's
// libraries stay out of every start of the editor. Plain types only: the
// library links nothing of the editor.
struct MovieRates {
    std::int64_t averageNum = 0, averageDen = 0;
    std::int64_t baseNum = 0, baseDen = 0;
};

// How a full search for shot changes runs: the scene-change threshold
// (0 to 100; lower finds more), `found` gets the first frame of every new
// shot in order, `progress` (may be nullptr) the share of the movie done so
// far (0 to 1) and stops the search by returning false.
struct ShotSearch {
    double threshold = 10;
    void (*found)(void *opaque, int frame) = nullptr;
    bool (*progress)(void *opaque, double done) = nullptr;
    void *opaque = nullptr;
};
enum class ShotSearchEnd { Done, Stopped, Failed };
// How reading a movie's sound ended.
enum class SoundResult { Done, NoSound, Unreadable, Cancelled };

// Where the sound's reduction goes, owned by the caller. `progress` gets the
// share read so far (0..1) and stops the reading by returning false; `peaks`
// gets the next frames' pairs (lowest, highest sample of the frame, scaled
// to -127..127), in order and in pieces.
struct SoundPeaksSink {
    void *opaque = nullptr;
    bool (*progress)(void *opaque, double done) = nullptr;
    void (*peaks)(void *opaque, const std::int8_t *pairs, std::int64_t frames) = nullptr;
};

struct MediaFunctions {
    // The frame rates the container states for the movie's video, as exact
    // fractions: the average over the stream, then the base rate (either may
    // be 0/0 when the container leaves it out); false when the file has no
    // video or cannot be read.
    bool (*movieFrameRates)(const char *path, MovieRates *rates);
    // The frames the video stream stores as key frames, read by demuxing
    // alone (nothing is decoded), numbered from 0 by the stream's exact
    // rate, reported as the search reports (its threshold unused).
    ShotSearchEnd (*movieKeyFrames)(const char *path, const ShotSearch *search);
    // Decodes the whole video and finds every shot change; see ShotSearch.
    ShotSearchEnd (*movieShotChanges)(const char *path, const ShotSearch *search);
    // The movie's sound mixed to one channel and reduced to one pair per
    // video frame at rateNum/rateDen frames a second; frame k covers the
    // sound from k * rateDen / rateNum seconds on.
    SoundResult (*soundPeaks)(const char *path, std::int64_t rateNum, std::int64_t rateDen, const SoundPeaksSink *sink);
};

// The name the library exports its table under, with the getter's type.
inline constexpr char MediaFunctionsName[] = "cuefold_media_functions";
using MediaFunctionsGetter = const MediaFunctions *();

// The functions, for the module's table and for tests that link them directly.
bool MovieFrameRates(const char *path, MovieRates *rates);
ShotSearchEnd MovieKeyFrames(const char *path, const ShotSearch *search);
ShotSearchEnd MovieShotChanges(const char *path, const ShotSearch *search);
SoundResult SoundPeaks(const char *path, std::int64_t rateNum, std::int64_t rateDen, const SoundPeaksSink *sink);

} // namespace cuefold
