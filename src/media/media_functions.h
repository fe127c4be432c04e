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

struct MediaFunctions {
    // The frame rates the container states for the movie's video, as exact
    // fractions: the average over the stream, then the base rate (either may
    // be 0/0 when the container leaves it out); false when the file has no
    // video or cannot be read.
    bool (*movieFrameRates)(const char *path, MovieRates *rates);
};

// The name the library exports its table under, with the getter's type.
inline constexpr char MediaFunctionsName[] = "cuefold_media_functions";
using MediaFunctionsGetter = const MediaFunctions *();

// The functions, for the module's table and for tests that link them directly.
bool MovieFrameRates(const char *path, MovieRates *rates);

} // namespace cuefold
