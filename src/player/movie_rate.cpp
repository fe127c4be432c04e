#include "player/movie_rate.h"

#include "player/MediaLibrary.h"

#include <QFile>

namespace cuefold {

std::optional<FrameRate> ReadMovieFrameRate(const QString &path)
{
    const MediaFunctions *media = Media();
    MovieRates rates;
    if (!media || !media->movieFrameRates(QFile::encodeName(path).constData(), &rates))
        return std::nullopt;
    // The average over the stream is what players time a file by; the base
    // rate stands in when a container leaves the average out.
    if (const auto average = MakeFrameRate(rates.averageNum, rates.averageDen))
        return average;
    return MakeFrameRate(rates.baseNum, rates.baseDen);
}

} // namespace cuefold
