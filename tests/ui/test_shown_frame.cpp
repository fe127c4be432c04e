// The frame the player says is on screen, against the picture itself: a
// movie whose every frame carries its number as a colour, drawn through real
// libmpv and OpenGL. The offscreen platform draws no picture, so the tests
// run again on a virtual X display of their own.
#include "generated_movie.h"
#include "gui_support.h"

#include "config/settings.h"
#include "player/FPlayer.h"
#include "player/MediaPlayer.h"
#include "player/key_position.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include <gtest/gtest.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

constexpr int WaitMs = 20000;
const char DisplayVariable[] = "CUEFOLD_TEST_DISPLAY";

// Notes, inside each drawing while `player` plays, the frame the picture
// shows and when; `taken` runs after each note.
void watchPictures(QOpenGLWidget *picture, MediaPlayer &player, std::vector<DrawnFrame> &seen,
                   const std::function<void()> &taken = {})
{
    QObject::connect(picture, &QOpenGLWidget::frameSwapped, picture, [picture, &player, &seen, taken] {
        if (player.PlayState() != MediaPlayer::Playing)
            return;
        picture->makeCurrent();
        QOpenGLFunctions *gl = picture->context()->functions();
        gl->glBindFramebuffer(GL_FRAMEBUFFER, picture->defaultFramebufferObject());
        uchar pixel[4] = {};
        gl->glReadPixels(picture->width() / 2, picture->height() / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        picture->doneCurrent();
        seen.push_back({MonotonicMs(), double(NumberOfColour(pixel[0], pixel[1]))});
        if (taken)
            taken();
    });
}

// On the display: for `samples` pictures drawn while the movie plays, the
// frame in the picture against the frame the player took for it (as drawn,
// before the window puts it on screen); then the frame a key stamps against
// the picture at its press.
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
    auto *picture = window.findChild<QOpenGLWidget *>();
    ASSERT_NE(picture, nullptr);
    player.SetCurrentPosition(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isSeeking(); }, WaitMs));

    std::map<int, int> offsets; // frames the player was off -> pictures
    std::vector<DrawnFrame> seen;   // what each picture showed, and when
    watchPictures(picture, player, seen, [&] { ++offsets[int(player.shownPosition() - seen.back().frame)]; });
    player.Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= std::size_t(samples); }, WaitMs));
    // A key pressed now and taken up by a program busy for four pictures.
    const qint64 pressed = MonotonicMs();
    const double onScreen = seen.back().frame;
    const std::size_t drawnBefore = seen.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= drawnBefore + 4; }, WaitMs));
    const double stamped = player.shownPosition(KeyEventWaitMs(quint32(pressed), MonotonicMs()));
    player.Pause();
    EXPECT_LE(std::abs(stamped - onScreen), 1) << stamped << " for " << onScreen;

    std::string report;
    for (const auto &[off, count] : offsets)
        report += std::to_string(off) + ": " + std::to_string(count) + "  ";
    // A loaded machine may draw a picture late, after the next was queued.
    EXPECT_EQ(offsets[-1] + offsets[0] + offsets[1], int(seen.size())) << report;
}

} // namespace

class ShownFrameKey : public MainWindowFixture {};

// F8 pressed while the movie plays and taken up by a program busy for four
// pictures, as the window system delivers it: stamped with the picture of
// its press.
TEST_F(ShownFrameKey, AutomationStampsThePictureOfThePress)
{
    if (!qEnvironmentVariableIsSet(DisplayVariable))
        GTEST_SKIP() << "runs on the display ShownFrame.IsThePictureWithinAFrame starts";
    // No window manager gives the display's windows the focus: the program
    // is told its window is the active one.
    form = std::make_unique<TForm1>(mIni, QString());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return doc().isLoaded(); }, WaitMs));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(MakeNumberedMovie(path("film.avi"), 250));
    WriteAll(path("film.sub"), "{1}{1}25\r\n{200}{240}Prvni\r\n");
    MediaPlayer *player = form->context().player->player();
    player->SetAutoStart(false);
    form->context().file->OpenDocument(path("film.sub"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->isLoaded(); }, WaitMs));
    auto *picture = form->context().player->window()->findChild<QOpenGLWidget *>();
    ASSERT_NE(picture, nullptr);
    std::vector<DrawnFrame> seen;
    watchPictures(picture, *player, seen);
    Settings.Player.AutoNoSave = true;
    trigger(CommandId::MenuPlayerSync); // off: automation while playing
    panel().ShowLine(2, ShowPlain);
    player->SetCurrentPosition(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player->isSeeking(); }, WaitMs));
    player->Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 10; }, WaitMs));
    const qint64 pressed = MonotonicMs();
    const double onScreen = seen.back().frame;
    const std::size_t drawnBefore = seen.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= drawnBefore + 4; }, WaitMs));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(qt_sendShortcutOverrideEvent(form->windowHandle(), ulong(quint32(pressed)), Qt::Key_F8, Qt::NoModifier));
    player->Pause();
    Settings.Player.AutoNoSave = false;
    EXPECT_LE(std::abs(doc().line(2).From - onScreen), 1) << doc().line(2).From << " for " << onScreen;
}

TEST(ShownFrame, IsThePictureWithinAFrame)
{
    if (qEnvironmentVariableIsSet(DisplayVariable)) {
        comparePictures(50);
        return;
    }
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                        QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                                        QStringLiteral("tcp")});
    if (!xvfb.waitForStarted(WaitMs))
        GTEST_SKIP() << "no Xvfb to draw on";
    ASSERT_TRUE(QTest::qWaitFor([&] { return xvfb.canReadLine() || xvfb.state() != QProcess::Running; }, WaitMs));
    ASSERT_EQ(xvfb.state(), QProcess::Running) << xvfb.readAllStandardError().toStdString();
    const QByteArray display = ":" + xvfb.readLine().trimmed();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    env.insert(QString::fromLatin1(DisplayVariable), QStringLiteral("1"));
    // A machine busy with other work may stall the drawing for longer than a
    // key's wait is believed: a fault of the program fails every run, such a
    // stall only one, so the measurement is taken up to three times.
    QByteArray outputs;
    bool passed = false;
    for (int attempt = 0; attempt < 3 && !passed; ++attempt) {
        QProcess run;
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=ShownFrame*")});
        const bool finished = run.waitForFinished(120000);
        outputs += run.readAll();
        passed = finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
    }
    xvfb.terminate();
    xvfb.waitForFinished(WaitMs);
    EXPECT_TRUE(passed) << outputs.toStdString();
}
