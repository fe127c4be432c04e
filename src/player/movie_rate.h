#pragma once

#include "operations/frame_rate.h"

#include <QString>
#include <optional>

namespace cuefold {

// The frame rate of the movie at `path` as its container states it, read by
// demuxing the header only (the player reports a rounded double); nullopt
// when the file has no video or cannot be read.
std::optional<FrameRate> ReadMovieFrameRate(const QString &path);

} // namespace cuefold
