// The timing windows' commands: opening them and what they share (the test
// file in the filter's folder, the preview in the overview grid, Accept
// following the document), and the two-point recalculation.
#include "operations/TimingCommands.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "editor/SharedFileQuestion.h"
#include "editor/StatusPanels.h"
#include "editor/ToolWindows.h"
#include "operations/BulkCommands.h"
#include "operations/FTest.h"
#include "player/MediaPlayer.h"
#include "player/PlayerController.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"
#include "search/table_model.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

namespace cuefold {

namespace {

void refuse(QWidget *owner, const QByteArray &text)
{
    ShowMessage(owner, Unicode(text), Unicode(Texts.TestRequires), MsgIcon::Information);
}

} // namespace

TimingCommands::TimingCommands(EditorContext &ctx)
    : mCtx(ctx)
    , FormRecalculate(new TFormRecalculate(ctx.window))
    , FormTest(new TFormTest(ctx.window))
{
    FormRecalculate->setObjectName(QStringLiteral("FormRecalculate"));
    FormTest->setObjectName(QStringLiteral("FormTest"));
    connect(FormRecalculate, &TFormRecalculate::testClicked, this, &TimingCommands::ButtonTestClick);
    connect(FormRecalculate, &TFormRecalculate::acceptClicked, this, &TimingCommands::ButtonAcceptClick);
    connect(FormRecalculate, &TFormRecalculate::pickRequested, this, &TimingCommands::pick);
    connect(FormRecalculate, &TFormRecalculate::closed, this, &TimingCommands::FormRecalculateClose);
    connect(FormTest, &TFormTest::testClicked, this, &TimingCommands::FormTestTestClick);
    connect(FormTest, &TFormTest::acceptClicked, this, &TimingCommands::FormTestAcceptClick);
    connect(FormTest, &TFormTest::closed, this, &TimingCommands::FormTestClose);
    ctx.windows.declare({.window = FormRecalculate, .cyclePlace = 6, .placement = &MainSettings::SyncWindow,
                         .clipboardFields = {"EditPA", "EditDA", "EditPN", "EditDN"}});
    ctx.windows.declare({.window = FormTest, .cyclePlace = 8, .placement = &MainSettings::TestWindow});
}

// Files left by a window the program did not close (the window went with
// the program) go with their SharedFolderFile.
TimingCommands::~TimingCommands() = default;

void TimingCommands::attach()
{
    DocumentModel &m = mCtx.model;
    connect(&m, &DocumentModel::rowsChanged, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::rowsInserted, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::rowsRemoved, this, &TimingCommands::documentChanged);
    connect(&m, &DocumentModel::documentReset, this, [this] {
        documentChanged();
        // A new document comes with its own movie: the test gives back nothing.
        TestPlaybackStarted = TestMovieOpen = mMovieWasLoaded = mResumeStored = false;
        mUserMovie.clear();
        mResumeAt = 0;
    });
    connect(&m, &DocumentModel::saved, this, &TimingCommands::saved);
    connect(mCtx.player->player(), &MediaPlayer::fileLoaded, this, &TimingCommands::movieOpened);
}

void TimingCommands::retranslate()
{
    FormRecalculate->retranslate();
    FormTest->retranslate();
}

bool TimingCommands::recalculateAvailable() const
{
    return !FormTest->isVisible();
}

bool TimingCommands::speedTestAvailable() const
{
    return !FormRecalculate->isVisible() && !(FormTest->isVisible() && !FormTest->speedTestMode());
}

bool TimingCommands::recalcPerSpeedAvailable() const
{
    return !FormRecalculate->isVisible() && !(FormTest->isVisible() && FormTest->speedTestMode());
}

void TimingCommands::closeForExit()
{
    mExiting = true;
    FormRecalculate->close();
    FormTest->close();
}

// A preview shown must not be taken for the document any more, and Accept
// must not write frames that were computed for another document.
void TimingCommands::documentChanged()
{
    FormRecalculate->setAcceptEnabled(false);
    restoreGrid(mRecalcGridShowsPreview);
    if (mSpeedTested)
        FormTest->setAcceptEnabled(false);
    restoreGrid(GridShowsPreview);
}

// The filter must be there with a folder for the file, and a movie to show it over.
bool TimingCommands::filterTestRefused(QWidget *owner)
{
    const FilterState &filter = mCtx.player->refreshFilter();
    if (!filter.FilterPresent)
        refuse(owner, Texts.DivXG400Req1);
    else if (!filter.FilterFolderFound)
        refuse(owner, Texts.DivXG400Req1 + '\r' + Texts.DivXG400Req2);
    else if (!mCtx.player->state().MovieLoaded)
        refuse(owner, Texts.TestReqMovie);
    else
        return false;
    return true;
}

// The movie's name with ".SUB" in the filter's folder; empty (after the
// message) when the open subtitle file is that file or lies in that folder.
QString TimingCommands::filterTestPath(QWidget *owner) const
{
    const QString folder = mCtx.player->filterState().FilterFolder;
    const QString path = QDir(folder).filePath(QFileInfo(mCtx.doc().MovieFileName).completeBaseName() + ".SUB");
    const QString open = QFileInfo(mCtx.doc().SubFileName).absoluteFilePath();
    if (!mCtx.doc().SubFileName.isEmpty()
        && (open.compare(path, Qt::CaseInsensitive) == 0
            || QFileInfo(open).absolutePath().compare(QDir(folder).absolutePath(), Qt::CaseInsensitive) == 0)) {
        refuse(owner, Texts.TestReqDiffF);
        return QString();
    }
    return path;
}

bool TimingCommands::overwriteRefused(QWidget *owner, const SharedFolderFile &file) const
{
    if (file.written() || MayWriteSharedFile(owner, file.path()))
        return false;
    mCtx.status.setText(StatusPanels::Message, Unicode(Texts.TestNoOverwrites) + QLatin1Char(' ') + file.path());
    return true;
}

bool TimingCommands::writeFilterTest(QWidget *owner, SharedFolderFile &file, const QByteArray &bytes)
{
    const int code = file.write(bytes);
    if (code != 0)
        ShowMessage(owner, Unicode(IOErrorText(code, Texts.IOError)), Unicode(Texts.Error), MsgIcon::Stop);
    return code == 0;
}

// The grid shows the preview's frames on the tooltip colour.
void TimingCommands::showPreview(const FramePreview &preview)
{
    auto copy = std::make_unique<Document>(mCtx.doc());
    ApplyPreview(*copy, preview);
    TFormTable *table = mCtx.search->table();
    table->model()->fill(*copy);
    table->setSeekingLook(false);
    table->selectRow(mCtx.doc().CurrentLine);
}

void TimingCommands::restoreGrid(bool &gridShowsPreview)
{
    if (!gridShowsPreview)
        return;
    gridShowsPreview = false;
    TFormTable *table = mCtx.search->table();
    table->FillTable();
    table->setSeekingLook(mCtx.player->state().PlayerSeeking);
    table->selectRow(mCtx.doc().CurrentLine);
}

void TimingCommands::MenuCommonRecalculateSubtitleClick()
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
        mRecalcFile = {};
        mRecalcGridShowsPreview = false;
        FormRecalculate->setAcceptEnabled(false);
        mCtx.player->setOptionsOpen(true); // remote-control keys off while it is open
    }
    FormRecalculate->show();
    FormRecalculate->raise();
    FormRecalculate->activateWindow();
    mCtx.commands.refreshEnabled();
}

void TimingCommands::pick(TFormRecalculate::Point point)
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
std::optional<TwoPoints> TimingCommands::readPoints()
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

void TimingCommands::ButtonTestClick()
{
    // The preview is of what the panel shows, typing included.
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    if (filterTestRefused(FormRecalculate))
        return;
    const QString path = filterTestPath(FormRecalculate);
    if (path.isEmpty())
        return;
    if (path != mRecalcFile.path())
        mRecalcFile = SharedFolderFile(path); // the movie changed since the last Test
    if (overwriteRefused(FormRecalculate, mRecalcFile))
        return;
    const auto points = readPoints();
    if (!points)
        return;
    mRecalcPreview = TwoPointPreview(mCtx.doc(), *points, FormRecalculate->scope());
    if (!writeFilterTest(FormRecalculate, mRecalcFile, PreviewFileText(mCtx.doc(), mRecalcPreview)))
        return;
    showPreview(mRecalcPreview);
    mRecalcGridShowsPreview = true;
    FormRecalculate->setAcceptEnabled(true);
    mCtx.player->ShowTimingTest(mRecalcFile.path(), mCtx.player->player()->CurrentPosition());
    FormRecalculate->activateWindow();
}

void TimingCommands::ButtonAcceptClick()
{
    RunCommand(mCtx, {.guard = [this] { return FormRecalculate->acceptEnabled(); },
                      .change =
                          [this] {
                              FormRecalculate->setAcceptEnabled(false);
                              mCtx.model.change([this](Document &d) { ApplyPreview(d, mRecalcPreview); });
                              return CommandChange{.showMode = ShowFull, .modified = ModifiedRule::Check};
                          },
                      .report = [this](const CommandChange &) { mCtx.player->SetPlayerSeeking(true); }});
}

void TimingCommands::FormRecalculateClose()
{
    if (mRecalcFile.written()) {
        mRecalcFile.remove();
        if (!mExiting)
            mCtx.player->EndTimingTest(mCtx.player->pauseForTest());
    }
    restoreGrid(mRecalcGridShowsPreview);
    mCtx.player->setOptionsOpen(false);
    mCtx.commands.refreshEnabled();
}

} // namespace cuefold
