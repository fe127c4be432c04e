#pragma once

#include "media/media_functions.h"
#include "operations/frame_rate.h"

#include <QByteArray>
#include <optional>

namespace cuefold {

// A movie's sound as the waveform strip shows it: how reading it ended and,
// for each video frame at `rate`, its lowest and highest sample (-127..127).
struct SoundWave {
    SoundResult result = SoundResult::NoSound;
    FrameRate rate;
    QByteArray pairs;

    int frames() const { return int(pairs.size() / 2); }
    int low(int frame) const { return pairs[2 * frame]; }
    int high(int frame) const { return pairs[2 * frame + 1]; }
};

// The wave as the analysis cache keeps it, and back; nullopt for bytes that
// are no wave.
QByteArray EncodeSoundWave(const SoundWave &wave);
std::optional<SoundWave> DecodeSoundWave(const QByteArray &bytes);

} // namespace cuefold
