// The File menu: new, open, save, save as, export, properties and exit.
#include "editor/FileCommands.h"

#include "config/document_texts.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/display_time.h"
#include "document/file_name.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "document/recovery_copy.h"
#include "document/text_codec.h"
#include "document/writer.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/EncodingChoice.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "editor/SharedFileQuestion.h"
#include "editor/StatusPanels.h"
#include "editor/list_operations.h"
#include "operations/BulkCommands.h"
#include "operations/FOperations.h"
#include "operations/RateCommands.h"
#include "operations/bulk_report.h"
#include "config/ConfigCommands.h"
#include "player/PlayerController.h"
#include "search/SearchCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <algorithm>

namespace cuefold {

FileCommands::FileCommands(EditorContext &ctx)
    : mCtx(ctx)
{
}

void FileCommands::setDefaultFolders(const QString &open, const QString &save, const QString &exportTo)
{
    mOpenFolder = open;
    mSaveFolder = save;
    mExportFolder = exportTo;
}

MenuTable FileCommands::menuTable()
{
    auto run = [this](void (FileCommands::*m)()) { return Bind(this, m); };
    // Exit closes the window, whose close asks the discard guard.
    auto exit = [this] {
        mCtx.panel.CommitEdits();
        mCtx.window->close();
    };
    return {
        "MenuFile", &LanguageTexts::MenuFile, ToolBarFileId,
        {
            {CommandId::MenuFileNew, &LanguageTexts::MenuNew, QKeySequence(Qt::CTRL | Qt::Key_N), "ToolButFileNew",
             "document-new", run(&FileCommands::MenuFileNewClick)},
            {CommandId::MenuFileOpen, &LanguageTexts::MenuOpen, QKeySequence(Qt::CTRL | Qt::Key_O), "ToolButFileOpen",
             "document-open", run(&FileCommands::MenuFileOpenClick)},
            {.id = CommandId::MenuFileReloadEncoding, .caption = &LanguageTexts::MenuReloadEncoding,
             .handler = run(&FileCommands::MenuFileReloadEncodingClick),
             .enabled = [this] { return !mCtx.doc().SubFileName.isEmpty(); }},
            {CommandId::MenuFileSave, &LanguageTexts::MenuSave, QKeySequence(Qt::Key_F2), "ToolButFileSave",
             "document-save", run(&FileCommands::MenuFileSaveClick)},
            {CommandId::MenuFileSaveHidden, nullptr, QKeySequence(Qt::CTRL | Qt::Key_S), nullptr,
             nullptr, run(&FileCommands::MenuFileSaveClick), false, true, "Ulo\xBEit"},
            {CommandId::MenuFileSaveAs, &LanguageTexts::MenuSaveAs, QKeySequence(), "ToolButFileSaveAs",
             "document-save-as", run(&FileCommands::MenuFileSaveAsClick)},
            {CommandId::MenuFileExportTo, &LanguageTexts::MenuExport, QKeySequence(), "ToolButFileExportTo",
             "document-export", run(&FileCommands::MenuFileExportToClick)},
            {CommandId::MenuFileProperties, &LanguageTexts::MenuProperties, QKeySequence(Qt::ALT | Qt::Key_Return),
             "ToolButFileProperties", "document-properties", run(&FileCommands::MenuFilePropertiesClick), true},
            {CommandId::MenuFileOptions, &LanguageTexts::MenuOptions, QKeySequence(), "ToolButFileOptions",
             "preferences-system", [this] { mCtx.config->MenuFileOptionsClick(); }},
            {CommandId::MenuFileExit, &LanguageTexts::MenuExit, QKeySequence(Qt::ALT | Qt::Key_F4), "ToolButFileExit",
             "application-exit", exit, true},
        }};
}

void FileCommands::setDocumentName(const QString &shortName)
{
    const QString shown = DisplayFileName(shortName);
    mCtx.model.setNames(shown, QStringLiteral("Cuefold - ") + shown);
}

void FileCommands::retranslate()
{
    // A document never saved is named in the language shown.
    if (mCtx.doc().isLoaded() && mCtx.doc().SubFileName.isEmpty())
        setDocumentName(Unicode(Texts.DefaultNewName));
}

void FileCommands::ResetDocument()
{
    mCtx.panel.clearFields();
    mCtx.model.reset();
    mCtx.model.setNames(QString(), QStringLiteral("Cuefold"));
    mCtx.status.setText(StatusPanels::Frame, QString());
    mCtx.player->movie().UnloadMovie();
    mCtx.player->movie().forgetDocument();
    mCtx.bulk->rates()->forgetDocument();
    mFileNotWhole = false;
}

void FileCommands::NewDocument()
{
    ResetDocument();
    setDocumentName(Unicode(Texts.DefaultNewName));
    mCtx.model.load([](Document &d) { d.startNew(); });
    mCtx.panel.ShowLine(1, ShowFull);
}

bool FileCommands::ConfirmDiscard()
{
    mCtx.model.checkModified();
    const int m = mCtx.doc().MarkedCount;
    const QByteArray &marked = m == 1 ? Texts.LineIsMarked : m <= 4 ? Texts.LinesIsMarked : Texts.LinesAreMarked;
    QString question;
    if (!mCtx.doc().DocSaved)
        question = Unicode(Texts.DiscardChanges);
    else if (m >= 1)
        question = QString::number(m) + QLatin1Char(' ') + Unicode(marked);
    else
        return true;
    return ShowMessage(mCtx.window, question, Unicode(Texts.Warning), MsgIcon::Exclamation, MsgButtons::YesNo,
                       MsgResult::No)
           == MsgResult::Yes;
}

void FileCommands::OpenDocument(const QString &path, const QByteArray &encoding)
{
    QFile file(path);
    for (;;) {
        const int code = OpenForReading(file);
        if (code == NoIOError)
            break;
        if (ShowMessage(mCtx.window, Unicode(IOErrorText(code, Texts.IOError)), Unicode(Texts.Error), MsgIcon::Exclamation,
                        MsgButtons::RetryCancel, MsgResult::Cancel) != MsgResult::Retry)
            return;
    }
    ResetDocument();
    bool valid = false;
    mCtx.model.load([&](Document &d) {
        d.SubFileName = path;
        valid = ReadSubtitles(file, d, DisplayTimeRuleFromSettings(), encoding);
    });
    if (!valid)
        ShowMessage(mCtx.window, Unicode(Texts.NoValidFile), Unicode(Texts.Error), MsgIcon::Exclamation);
    else
        noteIncompleteReading(file);
    file.close();
    mCtx.status.setText(StatusPanels::LineCount, QString::number(mCtx.doc().LineCount));
    if (!valid) {
        NewDocument();
        return;
    }
    setDocumentName(QFileInfo(path).fileName());
    mCtx.panel.ShowLine(1, ShowNoSeek);
    // The document is on the screen before the movie is looked for and any
    // question about it is built.
    mCtx.window->repaint();
    mCtx.player->movie().LoadMovie(path, false);
    if (!IsValidFPS(mCtx.doc().FPS)) {
        if (QFileInfo(mCtx.doc().MovieFileName).suffix().compare(QLatin1String("avi"), Qt::CaseInsensitive) == 0)
            mCtx.player->movie().showMovieProperties();
        askFrameRate();
    }
    mCtx.bulk->rates()->checkMovieRate();
    mCtx.search->RefreshProperties();
    mCtx.search->showProperties(true);
    mCtx.panel.focusField(CurrentSubtitlePanel::Field::Index);
}

void FileCommands::OpenRecovered(const RecoveryRecord &copy)
{
    ResetDocument();
    mCtx.model.load([&](Document &d) {
        ReadSubtitles(copy.bytes, d, DisplayTimeRuleFromSettings());
        d.SubFileName = copy.path;
        if (!IsValidFPS(d.FPS) && IsValidFPS(copy.fps))
            d.FPS = copy.fps;
        // What the file holds is unknown here: the document stays modified
        // until it is written.
        d.StructChanged = true;
    });
    if (!mCtx.doc().isLoaded())
        mCtx.model.load([](Document &d) { d.startNew(); });
    setDocumentName(copy.path.isEmpty() ? Unicode(Texts.DefaultNewName) : QFileInfo(copy.path).fileName());
    mCtx.model.markModified();
    mCtx.status.setText(StatusPanels::LineCount, QString::number(mCtx.doc().LineCount));
    mCtx.panel.ShowLine(std::clamp(copy.current, 1, mCtx.doc().LineCount), ShowNoSeek);
    if (!copy.path.isEmpty())
        mCtx.player->movie().LoadMovie(copy.path, false);
    mCtx.search->RefreshProperties();
}

bool FileCommands::askFrameRate()
{
    const double fps = mCtx.operations->ask({Texts.OperationsFPS0, Texts.OperationsFPS1, Texts.OperationsFPS2,
                                            Texts.OperationsFPS3, Texts.OperationsFPS4},
                                           mCtx.bulk->rates()->presetRate("25"));
    if (!IsValidFPS(fps))
        return false;
    const DocumentModel::Edit edit(mCtx.model, StepName(Texts.MenuSetFPS));
    const bool inserted = mCtx.model.change([&](Document &d) { return InsertFpsLine(d, fps, DisplayTimeRuleFromSettings()); });
    mCtx.panel.ShowLine(1, ShowFull);
    if (!inserted) {
        ShowMessage(mCtx.window, Unicode(Texts.NoMoreLines), Unicode(Texts.Warning), MsgIcon::Information);
        return false;
    }
    mCtx.model.markModified();
    return true;
}

void FileCommands::MenuFileNewClick()
{
    mCtx.panel.CommitEdits();
    if (ConfirmDiscard())
        NewDocument();
}

void FileCommands::MenuFileOpenClick()
{
    mCtx.panel.CommitEdits();
    if (!ConfirmDiscard())
        return;
    QByteArray encoding; // automatic
    const QString path =
        AskFileName(mCtx.window, {false, Unicode(Texts.OpenDialogTitle), Texts.DialogsFilterTitle, mOpenFolder, &encoding});
    if (path.isEmpty())
        return;
    mOpenFolder = QFileInfo(path).absolutePath();
    OpenDocument(path, encoding);
}

// The document's file read again, as opening reads it, in the encoding the
// user names: the way out of a wrong guess.
void FileCommands::MenuFileReloadEncodingClick()
{
    mCtx.panel.CommitEdits();
    const QString path = mCtx.doc().SubFileName;
    if (path.isEmpty() || !ConfirmDiscard())
        return;
    const QByteArray encoding = AskReloadEncoding(mCtx.window, path, DocumentEncoding().Name);
    if (!encoding.isEmpty())
        OpenDocument(path, encoding);
}

bool FileCommands::writeDocument(const QString &path, bool exportOnly, const TextEncoding &encoding)
{
    if (!exportOnly) {
        // The question may still convert the frames that are about to be written.
        mCtx.bulk->rates()->checkMovieRate();
        mCtx.player->saveHooks().beforeSave();
    }
    QString missing;
    const QByteArray bytes = SerializeDocumentAs(mCtx.doc(), exportOnly, encoding, missing);
    if (!missing.isEmpty()) {
        ShowMessage(mCtx.window, Unicode(Texts.EncodingCannotHold).arg(QString::fromLatin1(encoding.Name), missing),
                    Unicode(Texts.Error), MsgIcon::Stop);
        return false;
    }
    const SaveResult saved = SaveSubtitleFile(path, bytes, Settings.Main.CreateBAKfiles);
    if (!saved.Backup.ok()) {
        ShowMessage(mCtx.window, Unicode(BackupErrorText(saved.Backup)), Unicode(Texts.Error), MsgIcon::Stop);
        return false;
    }
    if (saved.IOCode != NoIOError) {
        ShowMessage(mCtx.window, Unicode(IOErrorText(saved.IOCode, Texts.IOError)), Unicode(Texts.Error), MsgIcon::Stop);
        return false;
    }
    if (!exportOnly) {
        mCtx.model.setSubFileName(path);
        mFileNotWhole = false; // the file now holds exactly the document
        setDocumentName(QFileInfo(path).fileName());
        if (!(encoding == mCtx.doc().Encoding))
            adoptEncoding(bytes, encoding.Name);
        mCtx.player->saveHooks().afterSave();
    }
    return true;
}

// A document saved in another encoding is that file from now on: its texts
// are read again from what was written, staying on the same subtitle.
void FileCommands::adoptEncoding(const QByteArray &written, const QByteArray &encoding)
{
    const int current = mCtx.doc().CurrentLine;
    const QString path = mCtx.doc().SubFileName;
    const QString movie = mCtx.doc().MovieFileName;
    mCtx.model.load([&](Document &d) {
        ReadSubtitles(written, d, DisplayTimeRuleFromSettings(), encoding);
        d.SubFileName = path;
        d.MovieFileName = movie;
    });
    mCtx.panel.ShowLine(std::clamp(current, 1, mCtx.doc().LineCount), ShowNoSeek);
}

// A document holds fewer subtitles, and shorter texts, than a file may: what
// it could not load is named, so that a save over that file never drops it
// unasked.
void FileCommands::noteIncompleteReading(QFile &file)
{
    const Document &d = mCtx.doc();
    if (d.CutTextCount > 0) {
        mFileNotWhole = true;
        const QByteArray *cut[] = {&Texts.TextsCut1, &Texts.TextsCut2, &Texts.TextsCut};
        ShowMessage(mCtx.window, Unicode(*cut[PluralForm(d.CutTextCount) - 1]).arg(d.CutTextCount).arg(MaxLineLength),
                    Unicode(Texts.Warning), MsgIcon::Exclamation);
    }
    if (!d.isFull() || !file.seek(0))
        return;
    const qint64 total = CountSubtitleLines(file);
    if (total <= d.LineCount)
        return;
    mFileNotWhole = true;
    ShowMessage(mCtx.window, Unicode(Texts.TooManySubtitles).arg(total).arg(d.LineCount), Unicode(Texts.Warning),
                MsgIcon::Exclamation);
}

bool FileCommands::confirmOverwritingIncomplete(const QString &path)
{
    if (!mFileNotWhole || QFileInfo(path) != QFileInfo(mCtx.doc().SubFileName))
        return true;
    return ShowMessage(mCtx.window, Unicode(Texts.SaveOverIncompleteFile), Unicode(Texts.Warning), MsgIcon::Exclamation,
                       MsgButtons::YesNo, MsgResult::No)
           == MsgResult::Yes;
}

void FileCommands::MenuFileSaveClick()
{
    if (mCtx.doc().SubFileName.isEmpty()) {
        MenuFileSaveAsClick();
        return;
    }
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    if (!confirmOverwritingIncomplete(mCtx.doc().SubFileName)) {
        MenuFileSaveAsClick();
        return;
    }
    if (writeDocument(mCtx.doc().SubFileName, false, mCtx.doc().Encoding) || saveToFilterFolder())
        mCtx.model.markWritten();
    else
        MenuFileSaveAsClick();
}

// After a failed save the filter's folder is offered, where the file is
// both kept and shown over the movie. Others may write there: a file of that
// name is overwritten only when the user agrees, a link there never.
bool FileCommands::saveToFilterFolder()
{
    const FilterState &filter = mCtx.player->filterState();
    if (!filter.FilterFolderFound)
        return false;
    const QString target = filter.FilterFolder + QFileInfo(mCtx.doc().SubFileName).fileName();
    return ShowMessage(mCtx.window, Unicode(Texts.SaveToDivXG400Folder) + QLatin1Char('\r') + target, Unicode(Texts.ErrSaveFile),
                       MsgIcon::Question, MsgButtons::YesNo, MsgResult::Yes)
               == MsgResult::Yes
           && MayWriteSharedFile(mCtx.window, target) && writeDocument(target, false, mCtx.doc().Encoding);
}

bool FileCommands::saveAs(bool exportOnly)
{
    mCtx.panel.CommitEdits();
    mCtx.status.clearMessage();
    QString &folder = exportOnly ? mExportFolder : mSaveFolder;
    const TextEncoding &own = mCtx.doc().Encoding;
    QByteArray encoding = own.Name;
    const QString chosen = AskFileName(mCtx.window, {true, Unicode(exportOnly ? Texts.ExportDialogTitle : Texts.SaveDialogTitle),
                                                     Texts.DialogsFilterTitle, folder, &encoding});
    if (chosen.isEmpty())
        return false;
    folder = QFileInfo(chosen).absolutePath();
    const QString name = CompleteSaveName(chosen, QStringLiteral(".TXT"));
    if (!exportOnly && !confirmOverwritingIncomplete(name))
        return false;
    if (!Settings.Main.CreateBAKfiles && QFileInfo::exists(name)
        && ShowMessage(mCtx.window, Unicode(Texts.AreYouSureToOverwrite), Unicode(Texts.Warning), MsgIcon::Exclamation,
                       MsgButtons::YesNo, MsgResult::No) != MsgResult::Yes)
        return false;
    // The same encoding keeps the mark; UTF-8 chosen for another one gets none.
    const TextEncoding target =
        TextCodec(encoding).name() == TextCodec(own.Name).name() ? own : TextEncoding{TextCodec(encoding).name(), false};
    if (!writeDocument(name, exportOnly, target))
        return false;
    // An export writes another file: the document's own file still differs.
    if (!exportOnly)
        mCtx.model.markWritten();
    return true;
}

void FileCommands::MenuFileSaveAsClick() { saveAs(false); }
void FileCommands::MenuFileExportToClick() { saveAs(true); }

void FileCommands::MenuFilePropertiesClick()
{
    mCtx.panel.CommitEdits();
    mCtx.search->RefreshProperties();
    mCtx.search->showProperties(false);
}

} // namespace cuefold
