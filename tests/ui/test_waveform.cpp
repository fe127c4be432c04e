// The sound strip under the panel, on movies made by ffmpeg: reading the
// sound in the background, clicks and drags that time the subtitles through
// the panel, a movie without sound, and stopping the reading.
#include "generated_movie.h"
#include "gui_support.h"

#include "document/code_page.h"
#include "editor/StatusPanels.h"
#include "player/AnalysisRunner.h"
#include "player/MediaPlayer.h"
#include "player/WaveformStrip.h"
#include "player/analysis_cache.h"

#include <QAction>
#include <QStatusBar>
#include <QTest>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class WaveformTest : public MainWindowFixture {
protected:
    // Opens film.sub beside film.mkv, a movie whose tone starts on frame 40,
    // and shows the strip.
    void open(const QString &codec = QStringLiteral("pcm_s16le"))
    {
        start();
        ASSERT_TRUE(MakeToneMovie(path("film.mkv"), QStringLiteral("25"), 200, {40}, 20, codec)) << "ffmpeg";
        WriteAll(path("film.sub"), "{1}{1}25\r\n{30}{60}Prvni\r\n{100}{150}Druhy\r\n");
        form->context().player->player()->SetAutoStart(false);
        form->context().file->OpenDocument(path("film.sub"));
        ASSERT_TRUE(form->context().player->state().MovieLoaded);
        trigger(CommandId::MenuPlayerWaveform);
        ASSERT_TRUE(QTest::qWaitFor([this] { return strip()->isVisible(); }, 5000));
    }
    WaveformStrip *strip() const { return ctl<WaveformStrip>("WaveformStrip"); }
    bool waveRead() const { return strip()->wave().frames() > 0; }
    // The point in the middle of `frame` on the strip.
    QPoint at(int frame) const
    {
        return {strip()->xOf(frame) + int(strip()->pixelsPerFrame() / 2), strip()->height() / 2};
    }
};

} // namespace

TEST_F(WaveformTest, ClicksSetTheCurrentSubtitlesFramesThroughThePanel)
{
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return waveRead(); }, 20000));
    EXPECT_TRUE(strip()->reason().isEmpty());
    EXPECT_GT(strip()->wave().high(45), 50) << "the tone";
    EXPECT_EQ(strip()->wave().high(20), 0) << "the silence before it";
    EXPECT_TRUE(AnalysisCache::read(path("film.mkv"), "peaks")) << "kept for the next time";

    panel().ShowLine(2, ShowFull);
    QTest::mouseClick(strip(), Qt::LeftButton, {}, at(40));
    ASSERT_TRUE(QTest::qWaitFor([this] { return doc().line(2).From == 40; }, 5000));
    EXPECT_EQ(ctl<QLineEdit>("EditFrameFrom")->text(), QStringLiteral("40"));
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_TRUE(ctl<QFrame>("PanelFrameFrom")->property("changed").toBool()) << "the red field";
    EXPECT_TRUE(form->context().model.history().canUndo());

    QTest::mouseClick(strip(), Qt::RightButton, {}, at(58));
    EXPECT_EQ(doc().line(2).Last, 58);
    EXPECT_EQ(ctl<QLineEdit>("EditFrameLast")->text(), QStringLiteral("58"));

    // Dragging the second band's start makes it current and moves the start.
    const QPoint edge(strip()->xOf(100), strip()->height() / 2), target(strip()->xOf(96), edge.y());
    ASSERT_GT(edge.x(), 0);
    ASSERT_LT(edge.x(), strip()->width());
    QTest::mousePress(strip(), Qt::LeftButton, {}, edge);
    QMouseEvent move(QEvent::MouseMove, target, strip()->mapToGlobal(target), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(strip(), &move);
    QTest::mouseRelease(strip(), Qt::LeftButton, {}, target);
    EXPECT_EQ(doc().CurrentLine, 3);
    EXPECT_EQ(doc().line(3).From, 96);

    // A double click plays from there and sets nothing.
    QTest::mouseDClick(strip(), Qt::LeftButton, {}, at(70));
    EXPECT_EQ(form->context().player->player()->PlayState(), MediaPlayer::Playing);
    form->context().player->player()->Pause();
    EXPECT_NE(doc().line(doc().CurrentLine).From, 70);
}

TEST_F(WaveformTest, AMovieWithoutSoundShowsWhy)
{
    open(QStringLiteral("anullsrc"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return strip()->reason() == Unicode(Texts.WaveformNoSound); }, 20000));
    EXPECT_EQ(strip()->wave().frames(), 0);
    trigger(CommandId::MenuPlayerWaveform);
    EXPECT_FALSE(strip()->isVisible());
}

TEST(AnalysisRunner, StopsAJobAndLeavesNoThreadBehind)
{
    QStatusBar bar;
    StatusPanels panels(&bar);
    std::atomic<bool> started{false};
    auto endless = [&started](const std::function<bool(double)> &progress) -> std::optional<QByteArray> {
        started = true;
        for (double done = 0; progress(done); done = std::min(done + 0.001, 1.0)) {
        }
        return QByteArray("stopped");
    };
    bool delivered = false;
    {
        AnalysisRunner runner(panels);
        runner.start({QStringLiteral("Work"), endless, [&delivered](auto) { delivered = true; }});
        runner.start({QStringLiteral("Next"), endless, [&delivered](auto) { delivered = true; }});
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }, 5000));
        EXPECT_TRUE(runner.busy());
        runner.cancel();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !runner.busy(); }, 5000));
        EXPECT_FALSE(delivered) << "a stopped job has no result, the waiting one never ran";

        runner.start({QStringLiteral("Quick"), [](auto) { return std::optional<QByteArray>("done"); },
                      [&delivered](std::optional<QByteArray> r) { delivered = r == QByteArray("done"); }});
        ASSERT_TRUE(QTest::qWaitFor([&] { return delivered; }, 5000));
        // Destroyed while working: it waits for its thread.
        runner.start({QStringLiteral("Endless"), endless, [](auto) {}});
    }
}
