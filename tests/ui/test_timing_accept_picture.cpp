// What the picture shows once a two-point test has been accepted: the
// document, never the test's file again, however often the user saves.
#include "gui_support.h"

#include "operations/BulkCommands.h"
#include "operations/FRecalculate.h"
#include "operations/TimingCommands.h"
#include "player/MediaPlayer.h"

#include <QRadioButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

constexpr int WaitMs = 15000;

class AcceptedTestPicture : public MainWindowFixture {
protected:
    MediaPlayer *player() const { return form->context().player->player(); }
    TFormRecalculate *recalc() const { return form->context().bulk->timing()->recalculate(); }
    bool showsAt(double frame, const QString &text)
    {
        player()->SetCurrentPosition(frame);
        return QTest::qWaitFor([&] { return !player()->isSeeking() && player()->subtitleText() == text; }, WaitMs);
    }
    void waitForResume()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->context().player->state().resume.countdown <= 0; }, WaitMs));
        player()->Pause();
    }
};

} // namespace

TEST_F(AcceptedTestPicture, AcceptAndLaterSavesShowTheDocument)
{
    start();
    ASSERT_TRUE(QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), path("film.avi")));
    WriteAll(path("film.sub"), "{1}{1}25\r\n{100}{150}Prvni\r\n{200}{250}Druhy\r\n");
    player()->SetAutoStart(false);
    form->context().file->OpenDocument(path("film.sub"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded(); }, WaitMs));
    answers = {MsgResult::Cancel}; // the frame-rate reminder
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    recalc()->findChild<QRadioButton *>(QStringLiteral("RadioGroupRange1"))->setChecked(true);
    using P = TFormRecalculate;
    for (const auto &[point, text] : {std::pair{P::PA, "100"}, {P::PN, "600"}, {P::DA, "1100"}, {P::DN, "1600"}})
        recalc()->edit(point)->setText(QString::fromLatin1(text)); // +500 frames
    recalc()->findChild<QPushButton *>(QStringLiteral("ButtonTest"))->click();
    waitForResume();
    ASSERT_TRUE(showsAt(700, QStringLiteral("Druhy")));

    recalc()->findChild<QPushButton *>(QStringLiteral("ButtonAccept"))->click();
    ASSERT_EQ(doc().line(3).From, 700);
    EXPECT_TRUE(showsAt(700, QString())) << "the saved file has nothing there yet";

    panel().ShowLine(3, ShowPlain);
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("705"));
    trigger(CommandId::MenuFileSave);
    waitForResume();
    EXPECT_TRUE(showsAt(710, QStringLiteral("Druhy")));
    EXPECT_TRUE(showsAt(702, QString())) << player()->subtitleText().toStdString();
    ASSERT_TRUE(recalc()->isVisible());
}
