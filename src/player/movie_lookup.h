#pragma once

#include <QString>

namespace cuefold {

// The movie beside a subtitle file: the subtitle's name with the extension
// .asf, .mpeg, .mpg or .avi (letter case ignored). When several exist the
// later one in that list wins, so .avi beats .mpg beats .mpeg beats .asf.
// Only when none of them exists, the first of .mkv, .mp4, .m4v, .webm, .ogv,
// .mov and .wmv that does is taken. Empty when none exists.
QString FindMovie(const QString &subtitlePath);

// FindMovie beside the subtitles, then under the same name in `openFolder`
// (the default open folder) when that is another folder. Empty when neither
// has one; the caller then asks.
QString FindMovieForSubtitles(const QString &subtitlePath, const QString &openFolder);

} // namespace cuefold
