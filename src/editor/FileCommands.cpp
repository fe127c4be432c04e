// The File menu: new, open, save, save as, export, properties and exit.
#include "config/document_texts.h"
#include "editor/FMain.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/display_time.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "document/writer.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "editor/list_operations.h"
#include "operations/FOperations.h"
#include "player/FMovieProperties.h"
#include "search/FProperties.h"
#include "search/FTable.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace cuefold {

namespace {

QString u(const QByteArray &b) { return CodePage::toUnicode(b); }

} // namespace

const MenuTable &FileMenuTable()
{
    static const MenuTable table{
        "MenuFile", &LanguageTexts::MenuFile, ToolBarFileId,
        {
            {"MenuFileNew", &LanguageTexts::MenuNew, QKeySequence(Qt::CTRL | Qt::Key_N), "ToolButFileNew",
             QStyle::SP_FileIcon, &TForm1::MenuFileNewClick},
            {"MenuFileOpen", &LanguageTexts::MenuOpen, QKeySequence(Qt::CTRL | Qt::Key_O), "ToolButFileOpen",
             QStyle::SP_DialogOpenButton, &TForm1::MenuFileOpenClick},
            {"MenuFileSave", &LanguageTexts::MenuSave, QKeySequence(Qt::Key_F2), "ToolButFileSave",
             QStyle::SP_DialogSaveButton, &TForm1::MenuFileSaveClick},
            {"MenuFileSaveHidden", nullptr, QKeySequence(Qt::CTRL | Qt::Key_S), nullptr,
             QStyle::SP_CustomBase, &TForm1::MenuFileSaveClick, false, true, "Ulo\xBEit"},
            {"MenuFileSaveAs", &LanguageTexts::MenuSaveAs, QKeySequence(), "ToolButFileSaveAs",
             QStyle::SP_DriveFDIcon, &TForm1::MenuFileSaveAsClick},
            {"MenuFileExportTo", &LanguageTexts::MenuExport, QKeySequence(), "ToolButFileExportTo",
             QStyle::SP_ArrowForward, &TForm1::MenuFileExportToClick},
            {"MenuFileProperties", &LanguageTexts::MenuProperties, QKeySequence(Qt::ALT | Qt::Key_Return),
             "ToolButFileProperties", QStyle::SP_FileDialogInfoView, &TForm1::MenuFilePropertiesClick, true},
            {"MenuFileExit", &LanguageTexts::MenuExit, QKeySequence(Qt::ALT | Qt::Key_F4), "ToolButFileExit",
             QStyle::SP_DialogCloseButton, &TForm1::MenuFileExitClick, true},
        }};
    return table;
}

void TForm1::OpenDocument(const QString &path)
{
    QFile file(path);
    for (;;) {
        const int code = OpenForReading(file);
        if (code == NoIOError)
            break;
        if (ShowMessage(this, u(IOErrorText(code, Texts.IOError)), u(Texts.Error), MsgIcon::Exclamation,
                        MsgButtons::RetryCancel, MsgResult::Cancel) != MsgResult::Retry)
            return;
    }
    ResetDocument();
    mDoc->SubFileName = path;
    const bool valid = ReadSubtitles(file, *mDoc, DisplayTimeRuleFromSettings());
    ShowFPS();
    if (!valid)
        ShowMessage(this, u(Texts.NoValidFile), u(Texts.Error), MsgIcon::Exclamation);
    file.close();
    SetStatusText(2, QString::number(mDoc->LineCount));
    if (!valid) {
        NewDocument();
        return;
    }
    mSubShortName = QFileInfo(path).fileName();
    mMainCaption = QStringLiteral("Cuefold - ") + mSubShortName;
    setCaption();
    LoadMovie(path, false);
    FormTable->FillTable();
    if (FormTable->autoWidthBox()->isChecked())
        FormTable->AutoSizeColumns();
    ShowLine(1, ShowNoSeek);
    if (!IsValidFPS(mDoc->FPS)) {
        if (QFileInfo(mDoc->MovieFileName).suffix().compare(QLatin1String("avi"), Qt::CaseInsensitive) == 0)
            FormMovieProperties->showFor(mDoc->MovieFileName);
        askFrameRate();
    }
    RefreshProperties();
    showProperties(true);
    EditCurrentLineIndex->setFocus();
}

bool TForm1::askFrameRate()
{
    const double fps = FormOperations->ask({Texts.OperationsFPS0, Texts.OperationsFPS1, Texts.OperationsFPS2,
                                            Texts.OperationsFPS3, Texts.OperationsFPS4},
                                           "25");
    if (!IsValidFPS(fps))
        return false;
    Document &d = *mDoc;
    d.FPS = fps;
    ShowFPS();
    ShowLine(1, ShowFull);
    if (CheckRoomForLine(d) != ListOutcome::Done) {
        ShowMessage(this, u(Texts.NoMoreLines), u(Texts.Warning), MsgIcon::Information);
        return false;
    }
    InsertEmptyLine(d, DisplayTimeRuleFromSettings());
    TSubLine &first = d.line(1);
    first.clear();
    first.From = 1;
    first.Last = 1;
    first.Text = FpsText(fps);
    first.Lock = 1;
    d.SavedLines[1] = first;
    FormTable->FillTable();
    ShowLine(1, ShowFull);
    MarkModified();
    if (FormTable->autoWidthBox()->isChecked())
        FormTable->AutoSizeColumns();
    return true;
}

void TForm1::showProperties(bool afterOpen)
{
    // The Play button belongs to a movie opened with the file.
    FormFileProperties->arrangeButtons(afterOpen && !mDoc->MovieFileName.isEmpty());
    FormFileProperties->exec();
}

void TForm1::MenuFileNewClick()
{
    CommitEdits();
    if (ConfirmDiscard())
        NewDocument();
}

void TForm1::MenuFileOpenClick()
{
    CommitEdits();
    if (!ConfirmDiscard())
        return;
    const QString path = AskFileName(this, {false, u(Texts.OpenDialogTitle), Texts.DialogsFilterTitle, mOpenFolder});
    if (path.isEmpty())
        return;
    mOpenFolder = QFileInfo(path).absolutePath();
    OpenDocument(path);
}

bool TForm1::writeDocument(const QString &path, bool exportOnly)
{
    if (!exportOnly)
        playerBeforeSave();
    const BackupResult backup = CreateBackup(path, Settings.Main.CreateBAKfiles);
    if (!backup.ok()) {
        ShowMessage(this, u(BackupErrorText(backup)), u(Texts.Error), MsgIcon::Stop);
        return false;
    }
    const int code = WriteSubtitleFile(path, SerializeDocument(*mDoc, exportOnly));
    if (code != NoIOError) {
        ShowMessage(this, u(IOErrorText(code, Texts.IOError)), u(Texts.Error), MsgIcon::Stop);
        return false;
    }
    if (!exportOnly) {
        mDoc->SubFileName = path;
        mSubShortName = QFileInfo(path).fileName();
        mMainCaption = QStringLiteral("Cuefold - ") + mSubShortName;
        playerAfterSave();
    }
    return true;
}

void TForm1::MenuFileSaveClick()
{
    if (mDoc->SubFileName.isEmpty()) {
        MenuFileSaveAsClick();
        return;
    }
    CommitEdits();
    SetStatusText(4, QString());
    if (writeDocument(mDoc->SubFileName, false) || saveToFilterFolder())
        MarkSaved();
    else
        MenuFileSaveAsClick();
}

// After a failed save the filter's folder is offered, where the file is
// both kept and shown over the movie.
bool TForm1::saveToFilterFolder()
{
    if (!mFilter.FilterFolderFound)
        return false;
    const QString target = mFilter.FilterFolder + QFileInfo(mDoc->SubFileName).fileName();
    return ShowMessage(this, u(Texts.SaveToDivXG400Folder) + QLatin1Char('\r') + target, u(Texts.ErrSaveFile),
                       MsgIcon::Question, MsgButtons::YesNo, MsgResult::Yes)
               == MsgResult::Yes
           && writeDocument(target, false);
}

bool TForm1::saveAs(bool exportOnly)
{
    CommitEdits();
    SetStatusText(4, QString());
    QString &folder = exportOnly ? mExportFolder : mSaveFolder;
    const QString chosen = AskFileName(
        this, {true, u(exportOnly ? Texts.ExportDialogTitle : Texts.SaveDialogTitle), Texts.DialogsFilterTitle, folder});
    if (chosen.isEmpty())
        return false;
    folder = QFileInfo(chosen).absolutePath();
    const QString name = CompleteSaveName(chosen, QStringLiteral(".TXT"));
    if (!Settings.Main.CreateBAKfiles && QFileInfo::exists(name)
        && ShowMessage(this, u(Texts.AreYouSureToOverwrite), u(Texts.Warning), MsgIcon::Exclamation,
                       MsgButtons::YesNo, MsgResult::No) != MsgResult::Yes)
        return false;
    if (!writeDocument(name, exportOnly))
        return false;
    MarkSaved();
    return true;
}

void TForm1::MenuFileSaveAsClick() { saveAs(false); }
void TForm1::MenuFileExportToClick() { saveAs(true); }

void TForm1::MenuFilePropertiesClick()
{
    CommitEdits();
    RefreshProperties();
    showProperties(false);
}

} // namespace cuefold
