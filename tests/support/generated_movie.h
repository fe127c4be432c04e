#pragma once

#include <QList>
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

// A movie whose every picture is one colour that tells its frame number
// (NumberOfColour reads it back), 25 frames a second, up to 256 frames.
inline bool MakeNumberedMovie(const QString &path, int frames)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("color=c=black:s=64x48:r=25,format=rgb24,"
                                 "geq=r='8+16*mod(N,16)':g='8+16*floor(N/16)':b=128"),
                  QStringLiteral("-frames:v"), QString::number(frames), QStringLiteral("-pix_fmt"),
                  QStringLiteral("yuv420p"), QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-q:v"),
                  QStringLiteral("1"), QStringLiteral("-g"), QStringLiteral("1"), path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// The frame number a picture of MakeNumberedMovie shows in this colour: each
// level sits mid-way in its step of 16, which leaves room for the colour
// conversions on the way.
inline int NumberOfColour(int red, int green)
{
    return red / 16 + 16 * (green / 16);
}

// A movie of a few different test patterns, each a shot of its own, with
// hard cuts on the frames `cuts` names (ascending, after 0) and `frames`
// pictures in all, coded as H.264 at `rate` with a key frame every
// `keyEvery` frames (the encoder puts none on the cuts), at `size`, by the
// encoder's `preset`.
inline bool MakeCutMovie(const QString &path, const QList<int> &cuts, int frames, const QString &rate = QStringLiteral("25"),
                         int keyEvery = 1000, const QString &size = QStringLiteral("160x120"),
                         const QString &preset = QStringLiteral("ultrafast"))
{
    static const char *const patterns[] = {"testsrc2", "smptebars", "mandelbrot", "testsrc", "rgbtestsrc", "yuvtestsrc"};
    QString graph, inputs;
    for (int i = 0; i <= cuts.size(); ++i) {
        const int first = i == 0 ? 0 : cuts[i - 1];
        const int end = i == cuts.size() ? frames : cuts[i];
        const QString label = QStringLiteral("[s%1]").arg(i);
        graph += QStringLiteral("%1=s=%2:r=%3,trim=end_frame=%4,setpts=PTS-STARTPTS%5;")
                     .arg(QLatin1String(patterns[i % 6]), size, rate)
                     .arg(end - first)
                     .arg(label);
        inputs += label;
    }
    graph += inputs + QStringLiteral("concat=n=%1,format=yuv420p").arg(cuts.size() + 1);
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                  QStringLiteral("-filter_complex"), graph, QStringLiteral("-c:v"), QStringLiteral("libx264"),
                  QStringLiteral("-preset"), preset, QStringLiteral("-x264-params"),
                  QStringLiteral("keyint=%1:min-keyint=%1:scenecut=0").arg(keyEvery), path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// A movie of `frames` pictures at `rate` ("25", "24000/1001") whose sound
// (48 kHz, `codec`: "pcm_s16le", "aac"...) is a tone from the start of each
// frame of `onsets` for `length` frames and silence elsewhere; "anullsrc"
// as the codec gives no sound at all.
inline bool MakeToneMovie(const QString &path, const QString &rate, int frames, const QList<int> &onsets, int length,
                          const QString &codec = QStringLiteral("pcm_s16le"))
{
    // Frame f starts at f / rate seconds; the bounds sit half a sample early
    // so that each frame's first sample is the tone's, whatever the rounding.
    const QString seconds = QStringLiteral("(1/(") + rate + QStringLiteral("))");
    QStringList spans;
    for (const int f : onsets)
        spans << QStringLiteral("between(t,%1*%3-1/96000,%2*%3-1/96000)").arg(f).arg(f + length).arg(seconds);
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("testsrc=size=64x48:rate=") + rate};
    if (codec != QStringLiteral("anullsrc"))
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("aevalsrc='0.8*sin(2*PI*440*t)*gte(%1,1)':s=48000").arg(spans.join(u'+'))
             << QStringLiteral("-c:a") << codec << QStringLiteral("-shortest");
    args << QStringLiteral("-frames:v") << QString::number(frames) << QStringLiteral("-c:v") << QStringLiteral("mpeg4")
         << QStringLiteral("-g") << QStringLiteral("1") << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

} // namespace cuefold::testing
