#include "media/media_functions.h"
#include "media/movie_input.h"

namespace cuefold {

bool MovieFrameRates(const char *path, MovieRates *rates)
{
    MovieInput movie;
    if (!movie.open(path))
        return false;
    const AVStream *stream = movie.video();
    *rates = {stream->avg_frame_rate.num, stream->avg_frame_rate.den, stream->r_frame_rate.num, stream->r_frame_rate.den};
    return true;
}

} // namespace cuefold
