#include "player/sound_wave.h"

#include <QDataStream>
#include <QIODevice>

namespace cuefold {

namespace {

constexpr quint32 Version = 1;

} // namespace

QByteArray EncodeSoundWave(const SoundWave &wave)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << Version << qint32(wave.result) << qint64(wave.rate.num) << qint64(wave.rate.den) << wave.pairs;
    return bytes;
}

std::optional<SoundWave> DecodeSoundWave(const QByteArray &bytes)
{
    QDataStream in(bytes);
    quint32 version = 0;
    qint32 result = 0;
    qint64 num = 0, den = 0;
    SoundWave wave;
    in >> version >> result >> num >> den >> wave.pairs;
    if (in.status() != QDataStream::Ok || version != Version || result < 0
        || result > qint32(SoundResult::Cancelled) || num <= 0 || den <= 0 || wave.pairs.size() % 2 != 0)
        return std::nullopt;
    wave.result = SoundResult(result);
    wave.rate = {num, den};
    return wave;
}

} // namespace cuefold
