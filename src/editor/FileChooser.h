#pragma once

#include "editor/FileDialogs.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace cuefold {

class EncodingChoice;

// The program's file dialog. It lists a folder itself (ListFolder) rather
// than through Qt's file system model, which leaves out every name that is
// not valid UTF-8: such a file is listed, chosen and handed on with its own
// bytes.
class FileChooser : public QDialog {
    Q_OBJECT

public:
    FileChooser(QWidget *parent, const FileDialogRequest &request);

    // The chosen file once accepted (FileNameFromBytes form).
    QString chosen() const { return mChosen; }
    QString folder() const { return mFolder; }
    QListWidget *list() const { return mList; }
    QLineEdit *nameEdit() const { return mName; }
    // Null unless the request asked for an encoding.
    EncodingChoice *encodingChoice() const { return mEncoding; }

    void showFolder(const QString &folder);

private:
    void refill();
    // A folder is entered; a file is taken.
    void take(const QString &path, bool isFolder);
    void takeItem(QListWidgetItem *item);
    void takeTyped();

    bool mSave;
    QString mFolder;
    QString mChosen;
    QLineEdit *mFolderEdit;
    QListWidget *mList;
    QLineEdit *mName;
    QComboBox *mFilters;
    EncodingChoice *mEncoding = nullptr;
};

// The patterns of one of NameFilters' entries: "Titulky (*.txt *.sub)" ->
// "*.txt", "*.sub".
QStringList FilterPatterns(const QString &nameFilter);

} // namespace cuefold
