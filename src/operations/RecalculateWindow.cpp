// The two-point recalculation window.
#include "operations/RecalculateWindow.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "operations/BulkCommands.h"
#include "operations/TimingTestSupport.h"
#include "player/MediaPlayer.h"
#include "player/PlayerController.h"

#include <QLineEdit>

namespace cuefold {

RecalculateWindow::RecalculateWindow(EditorContext &ctx, TimingTestSupport &support, TFormRecalculate *form)
    : mCtx(ctx)
    , mSupport(support)
    , FormRecalculate(form)
{
    connect(form, &TFormRecalculate::testClicked, this, &RecalculateWindow::ButtonTestClick);
    connect(form, &TFormRecalculate::acceptClicked, this, &RecalculateWindow::ButtonAcceptClick);
    connect(form, &TFormRecalculate::pickRequested, this, &RecalculateWindow::pick);
    connect(form, &TFormRecalculate::closed, this, &RecalculateWindow::FormRecalculateClose);
}

void RecalculateWindow::closeForExit()
{
    mExiting = true;
    FormRecalculate->close();
}

void RecalculateWindow::documentChanged()
{
    FormRecalculate->setAcceptEnabled(false);
    mSupport.restoreGrid(mState.gridShowsPreview);
}

// Only a test still waiting for Accept goes back over the movie; after
// Accept, or once an edit made it stale, the picture shows the document.
void RecalculateWindow::saved()
{
    if (FormRecalculate->isVisible() && FormRecalculate->acceptEnabled() && mState.file.written())
        QMetaObject::invokeMethod(this, [this] { mCtx.player->movie().showSubtitlesFrom(mState.file.path()); },
                                  Qt::QueuedConnection);
}

void RecalculateWindow::open()
{
    mCtx.panel.CommitEdits();
    if (mCtx.doc().LineCount < 2) {
        ShowMessage(mCtx.window, Unicode(Texts.FewLines), Unicode(Texts.Warning), MsgIcon::Exclamation);
        return;
    }
    if (!mFpsReminderShown && IsFpsLine(mCtx.doc())) {
        mFpsReminderShown = true;
        if (ShowMessage(mCtx.window, Unicode(Texts.DwellReqFPS), Unicode(Texts.TestRequires), MsgIcon::Question,
                        MsgButtons::OkCancel, MsgResult::Ok)
            == MsgResult::Ok)
            mCtx.bulk->MenuCommonSetFPSClick();
    }
    if (!FormRecalculate->isVisible()) {
        mState = {};
        FormRecalculate->setAcceptEnabled(false);
        mCtx.player->setOptionsOpen(true); // remote-control keys off while it is open
    }
    FormRecalculate->show();
    FormRecalculate->raise();
    FormRecalculate->activateWindow();
    mCtx.commands.refreshEnabled();
}

void RecalculateWindow::pick(TFormRecalculate::Point point)
{
    const bool fromSubtitle = point == TFormRecalculate::PA || point == TFormRecalculate::DA;
    double frame = -1;
    if (fromSubtitle && mCtx.doc().validIndex(mCtx.doc().CurrentLine))
        frame = mCtx.doc().line(mCtx.doc().CurrentLine).From;
    else if (!fromSubtitle && mCtx.player->state().MovieLoaded)
        frame = mCtx.player->state().follow.lastFrameShown;
    if (frame >= 0)
        FormRecalculate->edit(point)->setText(QString::fromLatin1(FrameText(frame)));
}

// The four numbers; the first edit in the window's order that holds no
// number gets the focus and is named in the message.
std::optional<TwoPoints> RecalculateWindow::readPoints()
{
    double values[4] = {};
    QLineEdit *failed = nullptr;
    for (int p = TFormRecalculate::DN; p >= TFormRecalculate::PA; --p) {
        QLineEdit *edit = FormRecalculate->edit(TFormRecalculate::Point(p));
        if (const auto v = ParsePointFrame(CodePage::fromUnicode(edit->text())))
            values[p] = *v;
        else
            failed = edit;
    }
    if (failed) {
        failed->setFocus();
        ShowMessage(FormRecalculate, Unicode(Texts.WrongDigit) + QStringLiteral(" \"") + failed->text() + QLatin1Char('"'),
                    QString(), MsgIcon::Exclamation);
        return std::nullopt;
    }
    const TwoPoints points{.PA = values[TFormRecalculate::PA], .PN = values[TFormRecalculate::PN],
                           .DA = values[TFormRecalculate::DA], .DN = values[TFormRecalculate::DN]};
    if (points.PA == points.DA || points.PN == points.DN) {
        ShowMessage(FormRecalculate, Unicode(Texts.WrongNumbers), QString(), MsgIcon::Exclamation);
        return std::nullopt;
    }
    return points;
}

void RecalculateWindow::ButtonTestClick()
{
    // The preview is of what the panel shows, typing included.
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    if (!mSupport.prepareFilterTest(FormRecalculate, mState.file))
        return;
    const auto points = readPoints();
    if (!points)
        return;
    mState.preview = TwoPointPreview(mCtx.doc(), *points, FormRecalculate->scope());
    if (!mSupport.writeFilterTest(FormRecalculate, mState.file, PreviewFileText(mCtx.doc(), mState.preview)))
        return;
    mSupport.showPreview(mState.preview);
    mState.gridShowsPreview = true;
    FormRecalculate->setAcceptEnabled(true);
    mCtx.player->movie().ShowTimingTest(mState.file.path(), mCtx.player->player()->CurrentPosition());
    FormRecalculate->activateWindow();
}

void RecalculateWindow::ButtonAcceptClick()
{
    RunCommand(mCtx, {.guard = [this] { return FormRecalculate->acceptEnabled(); },
                      .change =
                          [this] {
                              FormRecalculate->setAcceptEnabled(false);
                              mCtx.model.changeLines([this](Document &d) { ApplyPreview(d, mState.preview); });
                              return CommandChange{.showMode = ShowFull, .modified = ModifiedRule::Check};
                          },
                      .report =
                          [this](const CommandChange &) {
                              mCtx.player->movie().showMovieSubtitles();
                              mCtx.player->movie().SetPlayerSeeking(true);
                          }});
}

void RecalculateWindow::FormRecalculateClose()
{
    if (mState.file.written()) {
        mState.file.remove();
        if (!mExiting)
            mCtx.player->movie().EndTimingTest(mCtx.player->movie().pauseForTest());
    }
    mSupport.restoreGrid(mState.gridShowsPreview);
    mCtx.player->setOptionsOpen(false);
    mCtx.commands.refreshEnabled();
}

} // namespace cuefold
