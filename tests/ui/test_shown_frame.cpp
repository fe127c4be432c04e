// The frame the player says is on screen, against the picture itself: a
// movie whose every frame carries its number as a colour, drawn through real
// libmpv and OpenGL. The offscreen platform draws no picture, so the test
// runs itself again on a virtual X display of its own.
#include "generated_movie.h"

#include "player/MediaPlayer.h"
#include "player/MpvWidget.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

constexpr int WaitMs = 20000;
const char DisplayVariable[] = "CUEFOLD_TEST_DISPLAY";

// On the display: while the movie plays, the frame said to be shown and the
// frame in the picture drawn last, for `samples` pictures.
void comparePictures(int samples)
{
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("numbered.avi"));
    ASSERT_TRUE(MakeNumberedMovie(movie, 250));
    QWidget window;
    MediaPlayer player(MediaPlayer::Output::Window);
    (new QVBoxLayout(&window))->addWidget(player.videoWidget());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    player.SetAutoStart(false);
    player.SetFileName(movie);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.isLoaded(); }, WaitMs));
    auto *picture = window.findChild<MpvWidget *>();
    ASSERT_NE(picture, nullptr);
    QSignalSpy drawn(picture, &MpvWidget::frameDrawn);
    player.SetCurrentPosition(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isSeeking(); }, WaitMs));
    player.Play();
    int worst = 0;
    for (int n = 0; n < samples; ++n) {
        ASSERT_TRUE(drawn.wait(WaitMs));
        const double said = player.shownPosition();
        const QImage image = picture->grabFramebuffer();
        const QColor colour = image.pixelColor(image.width() / 2, image.height() / 2);
        const int seen = NumberOfColour(colour.red(), colour.green());
        const int off = int(said) - seen;
        if (std::abs(off) > std::abs(worst))
            worst = off;
        EXPECT_LE(std::abs(off), 1) << "said " << said << ", picture " << seen;
    }
    std::printf("worst difference %d frames\n", worst);
    player.Pause();
}

} // namespace

TEST(ShownFrame, IsThePictureWithinAFrame)
{
    if (qEnvironmentVariableIsSet(DisplayVariable)) {
        comparePictures(40);
        return;
    }
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                        QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                                        QStringLiteral("tcp")});
    if (!xvfb.waitForStarted(WaitMs))
        GTEST_SKIP() << "no Xvfb to draw on";
    ASSERT_TRUE(QTest::qWaitFor([&] { return xvfb.canReadLine() || xvfb.state() != QProcess::Running; }, WaitMs));
    const QByteArray display = ":" + xvfb.readLine().trimmed();
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    env.insert(QString::fromLatin1(DisplayVariable), QStringLiteral("1"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=ShownFrame.*")});
    const bool finished = run.waitForFinished(120000);
    const QByteArray output = run.readAll();
    xvfb.terminate();
    xvfb.waitForFinished(WaitMs);
    ASSERT_TRUE(finished);
    EXPECT_EQ(run.exitCode(), 0) << output.toStdString();
    std::printf("%s", output.constData());
}
