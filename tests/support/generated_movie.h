#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace cuefold::testing {

// Makes a small test movie with ffmpeg: `frames` pictures of ffmpeg's test
// pattern at `rate` (ffmpeg's notation: "25", "24000/1001"), every picture a
// key frame so that seeks are quick, in the container the extension of
// `path` names. False when ffmpeg is missing or fails.
inline bool MakeMovie(const QString &path, const QString &rate = QStringLiteral("25"), int frames = 300)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc=size=64x48:rate=") + rate, QStringLiteral("-frames:v"),
                  QString::number(frames), QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-g"),
                  QStringLiteral("1"), path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

} // namespace cuefold::testing
