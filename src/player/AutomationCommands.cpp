// Timing subtitles from the player: automation (F8) and frame capture (F9).
#include "config/document_texts.h"
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/MessageBox.h"
#include "player/MediaPlayer.h"
#include "player/automation.h"
#include "search/FTable.h"

#include <QClipboard>
#include <QGuiApplication>

namespace cuefold {

void TForm1::MenuPlayerAutomateClick()
{
    CommitEdits();
    SetStatusText(4, QString());
    Document &d = *mDoc;
    if (!IsValidFPS(d.FPS) || !mPlayer.MovieLoaded
        || (player()->PlayState() == MediaPlayer::Playing && syncChecked())) {
        SetStatusText(4, CodePage::toUnicode("P\xF8" "ehr\xE1va\xE8 mus\xED b\xFDt otev\xF8" "en, mus\xED b\xFDt zn\xE1mo FPS "
                                             "a Sync (CTRL+K) mus\xED b\xFDt vypnut nebo mus\xED b\xFDt PAUSE!"));
        return;
    }
    const AutomationParams params{Settings.Main.DelayFrames, !Settings.Player.AutoNoSave, d.FPS,
                                  DisplayTimeRuleFromSettings()};
    const double newFrom = AutomationStart(player()->CurrentPosition(), params.Gap);
    if (params.SaveAfter && player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    const RowChanged refresh = [this](int row) { FormTable->ShowTableRow(row); };
    if (PrepareAutomation(d, newFrom, params, refresh))
        MenuTitleAddEmptyLineClick(); // the frame-rate line stays; its new neighbour is timed
    StampAutomation(d, newFrom, params, refresh);
    CheckModified();
    if (d.CurrentLine >= d.LineCount)
        MenuTitleAddEmptyLineClick();
    else
        ShowLine(d.CurrentLine + 1, ShowFull);
    if (params.SaveAfter)
        MenuFileSaveClick();
}

void TForm1::MenuPlayerCaptureFrameClick()
{
    SetStatusText(4, QString());
    if (!mPlayer.MovieLoaded || !syncChecked()) {
        SetStatusText(4, CodePage::toUnicode("P\xF8" "ehr\xE1va\xE8 mus\xED b\xFDt otev\xF8" "en a Sync (CTRL+K) "
                                             "mus\xED b\xFDt zapnut!"));
        return;
    }
    if (player()->PlayState() == MediaPlayer::Playing)
        player()->Pause();
    const double frame = player()->CurrentPosition();
    const QString number = QString::fromLatin1(FrameText(frame));
    QGuiApplication::clipboard()->setText(number);
    const QString question = CodePage::toUnicode(Texts.FrameCapture) + QLatin1Char(' ') + number + QLatin1Char('?');
    if (ShowMessage(this, question, CodePage::toUnicode(Texts.FrameNumber), MsgIcon::Question, MsgButtons::YesNo,
                    MsgResult::Yes)
        == MsgResult::Yes) {
        const int before = mDoc->LineCount;
        MenuTitleInsertEmptyLineClick();
        if (mDoc->LineCount == before)
            return; // refused (document full): the current subtitle keeps its frames
        SetFrom(ShowPlain, frame);
        if (mDoc->line(mDoc->CurrentLine).From > mDoc->line(mDoc->CurrentLine).Last)
            SetLast(ShowPlain, frame);
    } else {
        MenuPlayerStepBackClick();
        player()->Play();
    }
}

} // namespace cuefold
