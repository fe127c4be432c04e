#pragma once

#include "editor/CommandTable.h"

#include <QObject>

class QFile;

namespace cuefold {

struct TextEncoding;

struct EditorContext;
struct RecoveryRecord;

// The File menu and the document's life: new, open, save, save as, export,
// properties, exit, and the discard guard.
class FileCommands : public QObject {
public:
    explicit FileCommands(EditorContext &ctx);
    MenuTable menuTable();
    // The start folders of the open, save-as and export dialogs.
    void setDefaultFolders(const QString &open, const QString &save, const QString &exportTo);

    void ResetDocument();
    // The texts of a newly chosen language.
    void retranslate();
    void NewDocument();
    // `encoding` empty: detected.
    void OpenDocument(const QString &path, const QByteArray &encoding = {});
    // A recovery copy as a modified document of its file's name, so that a
    // save writes that file as any save would.
    void OpenRecovered(const RecoveryRecord &copy);
    // Yes/No before a modified or marked document is dropped.
    bool ConfirmDiscard();

    void MenuFileNewClick();
    void MenuFileOpenClick();
    void MenuFileReloadEncodingClick();
    void MenuFileSaveClick();
    void MenuFileSaveAsClick();
    void MenuFileExportToClick();
    void MenuFilePropertiesClick();

private:
    bool writeDocument(const QString &path, bool exportOnly, const TextEncoding &encoding);
    void adoptEncoding(const QByteArray &written, const QByteArray &encoding);
    bool saveAs(bool exportOnly);
    bool saveToFilterFolder();
    bool askFrameRate();
    void noteIncompleteReading(QFile &file);
    // Yes/No before a save over the document's file drops what it did not load.
    bool confirmOverwritingIncomplete(const QString &path);
    void setDocumentName(const QString &shortName);

    EditorContext &mCtx;
    QString mOpenFolder, mSaveFolder, mExportFolder;
    bool mFileNotWhole = false; // the document's file holds more than was loaded
};

} // namespace cuefold
