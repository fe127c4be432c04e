// From the save command (F2) to the edited text in the picture: the file
// written, the player's script made from it and mpv showing the new text
// (its sub-text) at the paused position, over a full document.
#include "bench_settings.h"
#include "config/settings.h"
#include "document_generator.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FMain.h"
#include "editor/FileCommands.h"
#include "player/MediaPlayer.h"
#include "player/PlayerController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

constexpr int WaitMs = 10000;

template<typename Condition>
bool waitFor(Condition done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > WaitMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Run alone with: build/cuefold_bench --benchmark_filter=SaveToPicture
void BM_SaveToPicture(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString ini = bench::WriteBenchSettings(dir);
    QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), dir.filePath(QStringLiteral("film.avi")));
    const QString subtitles = dir.filePath(QStringLiteral("film.sub"));
    TForm1 form(ini, QString());
    form.show();
    const auto *startTick = form.findChild<QTimer *>(QStringLiteral("Timer2"));
    waitFor([&] { return !startTick->isActive(); });
    Settings.Main.CreateBAKfiles = false;
    EditorContext &ctx = form.context();
    ctx.model.load([](Document &d) { d = *bench::GenerateDocument(); });
    ctx.model.setSubFileName(subtitles);
    MediaPlayer *player = ctx.player->player();
    player->SetAutoStart(false);
    ctx.player->movie().LoadMovie(subtitles, false);
    ctx.panel.ShowLine(2, ShowFull); // seeks the player to frame 100
    if (!waitFor([&] { return player->isLoaded() && !player->isSeeking(); })) {
        state.SkipWithError("the movie did not load");
        return;
    }
    int edit = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray text = "Upraveno " + QByteArray::number(++edit);
        ctx.panel.SetText(text, ShowFull);
        state.ResumeTiming();
        ctx.file->MenuFileSaveClick();
        if (!waitFor([&] { return player->subtitleText() == QString::fromLatin1(text); })) {
            state.SkipWithError("the edited text did not appear");
            return;
        }
        state.PauseTiming();
        // The save resumes playback half a second later, and the editor
        // follows it; both are taken back to the edited subtitle.
        waitFor([&] { return player->PlayState() == MediaPlayer::Playing; });
        player->Pause();
        ctx.panel.ShowLine(2, ShowFull);
        waitFor([&] { return !player->isSeeking(); });
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveToPicture)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
