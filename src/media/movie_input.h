#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstdint>

namespace cuefold {

// A movie file opened for reading its video stream; closes itself.
class MovieInput {
public:
    MovieInput() = default;
    MovieInput(const MovieInput &) = delete;
    MovieInput &operator=(const MovieInput &) = delete;
    ~MovieInput();

    // Opens the file and finds its best video stream; false when there is
    // none or the file cannot be read.
    bool open(const char *path);
    AVFormatContext *format() const { return mFormat; }
    AVStream *video() const { return mFormat->streams[mVideo]; }
    int videoIndex() const { return mVideo; }
    // The frame shown at `pts` (in the stream's time base), counted from the
    // stream's first picture by its exact frame rate.
    int frameAt(std::int64_t pts) const;
    // How much of the movie lies before `pts`, from 0 to 1.
    double shareBefore(std::int64_t pts) const;

private:
    AVFormatContext *mFormat = nullptr;
    int mVideo = -1;
};

} // namespace cuefold
