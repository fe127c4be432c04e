#include "player/shot_list.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace cuefold {

namespace {

constexpr char FormatLine[] = "# keyframe format v1";

// The first shot change after `frame`, or nullptr.
const int *ShotAfter(const ShotList &shots, double frame)
{
    const auto at = std::upper_bound(shots.begin(), shots.end(), frame,
                                     [](double f, int shot) { return f < shot; });
    return at == shots.end() ? nullptr : &*at;
}

// `frame` lies within `distance` of `shot` but not on it.
bool WithinButNotOn(double frame, int shot, int distance)
{
    const double off = std::abs(frame - shot);
    return off > 0 && off <= distance;
}

} // namespace

ShotList NormalisedShots(ShotList frames)
{
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    frames.erase(frames.begin(), std::lower_bound(frames.begin(), frames.end(), 1));
    return frames;
}

QByteArray KeyframeFileText(const ShotList &shots)
{
    QByteArray text = QByteArray(FormatLine) + "\nfps 0\n";
    for (int shot : shots)
        text += QByteArray::number(shot) + '\n';
    return text;
}

std::optional<ShotList> ReadKeyframeFile(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.front().trimmed() != FormatLine)
        return std::nullopt;
    ShotList shots;
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith("fps "))
            continue;
        bool ok = false;
        const int frame = line.toInt(&ok);
        if (!ok)
            return std::nullopt;
        shots.push_back(frame);
    }
    return NormalisedShots(std::move(shots));
}

double SnapStart(const ShotSnap &snap, double frame)
{
    if (!snap.shots || snap.distance <= 0 || frame < 0)
        return frame;
    const ShotList &shots = *snap.shots;
    const auto after = std::lower_bound(shots.begin(), shots.end(), frame,
                                        [](int shot, double f) { return shot < f; });
    double best = frame;
    double bestOff = snap.distance + 1;
    if (after != shots.begin() && frame - *(after - 1) <= snap.distance) {
        best = *(after - 1);
        bestOff = frame - best;
    }
    if (after != shots.end() && *after - frame <= snap.distance && *after - frame < bestOff)
        best = *after;
    return best;
}

double EndBeforeShot(const ShotSnap &snap, double from, double last)
{
    if (!snap.shots || snap.distance <= 0 || from < 0)
        return last;
    const int *shot = ShotAfter(*snap.shots, from);
    if (!shot)
        return last;
    const double stop = *shot - snap.gap - 1;
    return stop >= from && stop < last && last - stop <= snap.distance ? stop : last;
}

bool NearShot(const ShotSnap &snap, double from, double last)
{
    if (!snap.shots || snap.distance <= 0)
        return false;
    const ShotList &shots = *snap.shots;
    // Only the changes around each end can be within reach.
    const auto around = [&](double frame, auto near) {
        const auto at = std::lower_bound(shots.begin(), shots.end(), frame - snap.distance,
                                         [](int shot, double f) { return shot < f; });
        for (auto it = at; it != shots.end() && *it <= frame + snap.distance; ++it)
            if (near(*it))
                return true;
        return false;
    };
    const bool startNear = from >= 0 && around(from, [&](int shot) { return WithinButNotOn(from, shot, snap.distance); });
    const auto endNear = [&](int shot) {
        const double gapStop = shot - snap.gap - 1;
        return last + 1 != shot && WithinButNotOn(last, int(gapStop), snap.distance);
    };
    return startNear || (last >= 0 && around(last + snap.gap + 1, endNear));
}

} // namespace cuefold
