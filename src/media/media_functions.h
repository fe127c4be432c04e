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
SoundResult SoundPeaks(const char *path, std::int64_t rateNum, std::int64_t rateDen, const SoundPeaksSink *sink);

} // namespace cuefold
