// The movie's shot changes in the editor, on a movie made by ffmpeg with
// hard cuts on known frames: the search in the background, the capture
// snapping onto a cut, the list files and the stored result.
#include "generated_movie.h"
#include "gui_support.h"

#include "config/settings.h"
#include "editor/StatusPanels.h"
#include "player/MediaPlayer.h"
#include "player/ShotChanges.h"

using namespace cuefold;
using namespace cuefold::testing;

namespace {

const QList<int> Cuts{30, 47, 90, 161};

class ShotChangesTest : public MainWindowFixture {
protected:
    void openCutFilm()
    {
        start();
        ASSERT_TRUE(MakeCutMovie(path("film.mkv"), Cuts, 200)) << "ffmpeg";
        WriteAll(path("film.sub"), "{1}{1}25\r\n{100}{120}Prvni\r\n");
        player()->SetAutoStart(false);
        form->context().file->OpenDocument(path("film.sub"));
        ASSERT_TRUE(form->context().player->state().MovieLoaded);
        ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded() && shots().complete(); }, 60000));
    }
    MediaPlayer *player() const { return form->context().player->player(); }
    ShotChanges &shots() const { return form->context().player->shots(); }
};

} // namespace

TEST_F(ShotChangesTest, SearchFindsTheCutsAndCaptureSnapsOntoOne)
{
    openCutFilm();
    ASSERT_EQ(shots().shots().size(), std::size_t(Cuts.size()));
    for (int i = 0; i < Cuts.size(); ++i)
        EXPECT_NEAR(shots().shots()[i], Cuts[i], 1);

    Settings.Main.SnapToShots = true;
    const int cut = shots().shots()[2];
    player()->SetCurrentPosition(cut + 5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !player()->isSeeking(); }, 10000));
    answers = {MsgResult::Yes};
    form->context().player->automation().MenuPlayerCaptureFrameClick();
    EXPECT_EQ(doc().line(doc().CurrentLine).From, cut);
}

TEST_F(ShotChangesTest, ListFilesGoOutAndComeInAndTheResultIsKept)
{
    openCutFilm();
    fileAnswers = {path("cuts.txt")};
    trigger(CommandId::MenuPlayerExportShots);
    EXPECT_EQ(ReadAll(path("cuts.txt")), KeyframeFileText(shots().shots()));

    WriteAll(path("other.txt"), "# keyframe format v1\r\nfps 0\r\n150\r\n12\r\n");
    fileAnswers = {path("other.txt")};
    trigger(CommandId::MenuPlayerImportShots);
    EXPECT_EQ(shots().shots(), (ShotList{12, 150}));
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), QStringLiteral("St\u0159ih\u016F ve filmu: 2"));

    WriteAll(path("wrong.txt"), "12\r\n");
    fileAnswers = {path("wrong.txt")};
    trigger(CommandId::MenuPlayerImportShots);
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().text.endsWith(QStringLiteral(" nen\u00ED seznam st\u0159ih\u016F.")));
    EXPECT_EQ(shots().shots(), (ShotList{12, 150}));

    // The same movie opened again has its result at once, unless the
    // threshold has changed since.
    ShotChanges again;
    again.movieLoaded(path("film.mkv"));
    EXPECT_TRUE(again.complete());
    EXPECT_EQ(again.shots(), (ShotList{12, 150}));
    Settings.Main.ShotThreshold = 30;
    again.movieLoaded(path("film.mkv"));
    EXPECT_FALSE(again.complete());
    Settings.Main.ShotThreshold = 10;
}
