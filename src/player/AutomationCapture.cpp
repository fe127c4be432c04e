// Timing subtitles from the player: automation (F8) and frame capture (F9).
#include "player/AutomationCapture.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CommandTable.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/FileCommands.h"
#include "editor/MessageBox.h"
#include "editor/StatusPanels.h"
#include "editor/TitleCommands.h"
#include "player/MediaPlayer.h"
#include "player/PlayerParts.h"
#include "player/TransportCommands.h"
#include "player/automation.h"
#include "player/key_position.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QGuiApplication>

namespace cuefold {

AutomationCapture::AutomationCapture(PlayerParts &parts, TransportCommands &transport)
    : mParts(parts)
    , mCtx(parts.ctx)
    , mPlayer(parts.state)
    , mTransport(transport)
{
}

void AutomationCapture::install()
{
    qApp->installEventFilter(this);
}

MediaPlayer *AutomationCapture::player() const
{
    return mParts.player();
}

bool AutomationCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && mPlayer.MovieLoaded) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (!key->isAutoRepeat()
            && QKeySequence(key->keyCombination()) == mCtx.commands.action(CommandId::MenuPlayerAutomate)->shortcut()) {
            // The frame on screen when the key was pressed, before it waited
            // for a busy program.
            mKeyFrame = player()->shownPosition(KeyEventWaitMs(key->timestamp(), MonotonicMs()));
            mKeyClock.start();
        }
    }
    return QObject::eventFilter(watched, event);
}

void AutomationCapture::MenuPlayerAutomateClick()
{
    const double position = takeKeyPosition(); // before anything else takes time
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    const Document &d = mCtx.doc();
    if (!IsValidFPS(d.FPS) || !mPlayer.MovieLoaded
        || (player()->PlayState() == MediaPlayer::Playing && mParts.syncChecked())) {
        statusMessage(CodePage::toUnicode(Texts.AutomateNeedsPausedPlayer));
        return;
    }
    const AutomationParams params{Settings.Main.DelayFrames, !Settings.Player.AutoNoSave, d.FPS,
                                  DisplayTimeRuleFromSettings(), mParts.shots.snap()};
    const double newFrom = mParts.startFrom(position);
    if (params.SaveAfter && player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    {
        // The stamp and the subtitles it adds are one change of the document.
        const DocumentModel::Edit edit(mCtx.model, StepName(Texts.MenuPlayerAutomate));
        if (mCtx.model.changeLines([&](Document &doc) { return PrepareAutomation(doc, newFrom, params); }))
            mCtx.title->MenuTitleAddEmptyLineClick(); // the frame-rate line stays; its new neighbour is timed
        mCtx.model.changeLines([&](Document &doc) { StampAutomation(doc, newFrom, params); });
        mCtx.model.checkModified();
        if (d.CurrentLine >= d.LineCount)
            mCtx.title->MenuTitleAddEmptyLineClick();
        else
            mCtx.panel.ShowLine(d.CurrentLine + 1, ShowFull);
    }
    if (params.SaveAfter)
        mCtx.file->MenuFileSaveClick();
}

void AutomationCapture::MenuPlayerCaptureFrameClick()
{
    mCtx.status.clearMessage();
    if (!mPlayer.MovieLoaded || !mParts.syncChecked()) {
        statusMessage(CodePage::toUnicode(Texts.CaptureNeedsSync));
        return;
    }
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    const double frame = mParts.shots.snapStart(player()->CurrentPosition());
    const QString number = QString::fromLatin1(FrameText(frame));
    QGuiApplication::clipboard()->setText(number);
    const QString question = CodePage::toUnicode(Texts.FrameCapture) + QLatin1Char(' ') + number + QLatin1Char('?');
    if (ShowMessage(mCtx.window, question, CodePage::toUnicode(Texts.FrameNumber), MsgIcon::Question, MsgButtons::YesNo,
                    MsgResult::Yes)
        == MsgResult::Yes) {
        // The picture stays on the captured frame: the new subtitle's
        // provisional first frame is no place to show.
        mParts.holdPicture = true;
        const DocumentModel::Edit edit(mCtx.model, StepName(Texts.MenuCaptureFrameNumber));
        const bool inserted = mCtx.title->MenuTitleInsertEmptyLineClick();
        mParts.holdPicture = false;
        if (!inserted)
            return; // refused (document full): the current subtitle keeps its frames
        mCtx.panel.SetFrom(ShowPlain, frame);
        if (mCtx.doc().line(mCtx.doc().CurrentLine).From > mCtx.doc().line(mCtx.doc().CurrentLine).Last)
            mCtx.panel.SetLast(ShowPlain, frame);
    } else {
        mTransport.MenuPlayerStepBackClick();
        player()->Play();
    }
}

double AutomationCapture::takeKeyPosition()
{
    const bool fresh = mKeyClock.isValid() && KeyPositionFresh(mKeyClock.elapsed());
    mKeyClock.invalidate();
    return fresh ? mKeyFrame : player()->shownPosition();
}

void AutomationCapture::statusMessage(const QString &text)
{
    mCtx.status.setText(StatusPanels::Message, text);
}

} // namespace cuefold
