#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace Ui {
class FormBrowseFolder;
}

namespace cuefold {

// Picks a folder from a tree of the file system's folders. The tree keeps
// its selection from one use to the next (the home folder at the first).
class TFormBrowseFolder : public QDialog {
    Q_OBJECT

public:
    explicit TFormBrowseFolder(QWidget *parent = nullptr);
    ~TFormBrowseFolder() override;

    // Shows the window modally. OK gives the chosen folder; Cancel or
    // closing gives `browsePath` back unchanged.
    QString browse(const QString &browsePath);

    // The folder of the tree's selection; empty when nothing is selected.
    QString selectedFolder() const;
    // Selects the folder in the tree (and runs the folder check).
    void selectFolder(const QString &path);
    void retranslate();

    QTreeView *tree() const;
    QLabel *label() const;
    QPushButton *okButton() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The label shows the selected path and OK is enabled, or the label
    // says the folder cannot be used and OK is disabled.
    void checkFolder();
    void revealSelection();

    Ui::FormBrowseFolder *mUi;
    QFileSystemModel *mModel;
    bool mRevealSelection = false; // scroll to the selection as the tree fills
    bool mCentred = false;
};

// Only an absolute path of an existing folder can be used.
bool IsUsableFolderPath(const QString &path);

} // namespace cuefold
