#include "config/FBrowse.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "ui_FBrowse.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace cuefold {

bool IsUsableFolderPath(const QString &path)
{
    return !path.isEmpty() && QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

TFormBrowseFolder::TFormBrowseFolder(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , mUi(new Ui::FormBrowseFolder)
    , mModel(new QFileSystemModel(this))
{
    mUi->setupUi(this);
    // Folders only; the model watches them, so the tree follows the disk.
    mModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    mModel->setRootPath(QDir::rootPath());
    QTreeView *view = mUi->BrowseFolderShellTreeView;
    view->setModel(mModel);
    for (int column = 1; column < mModel->columnCount(); ++column)
        view->hideColumn(column);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFormBrowseFolder::checkFolder);
    // Folders are read and sorted in the background, which moves the rows:
    // until the user works in the tree, the selection is kept in view.
    connect(mModel, &QAbstractItemModel::rowsInserted, this, &TFormBrowseFolder::revealSelection);
    connect(mModel, &QAbstractItemModel::layoutChanged, this, &TFormBrowseFolder::revealSelection);
    connect(view, &QTreeView::expanded, this, [this] { mRevealSelection = false; });
    connect(view, &QTreeView::collapsed, this, [this] { mRevealSelection = false; });
    connect(view, &QTreeView::pressed, this, [this] { mRevealSelection = false; });
    connect(mUi->BrowseFolderButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(mUi->BrowseFolderButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    selectFolder(QDir::homePath());
}

TFormBrowseFolder::~TFormBrowseFolder()
{
    delete mUi;
}

QTreeView *TFormBrowseFolder::tree() const { return mUi->BrowseFolderShellTreeView; }
QLabel *TFormBrowseFolder::label() const { return mUi->BrowseFolderLabel; }
QPushButton *TFormBrowseFolder::okButton() const { return mUi->BrowseFolderButtonOK; }

QString TFormBrowseFolder::browse(const QString &browsePath)
{
    return exec() == QDialog::Accepted ? selectedFolder() : browsePath;
}

QString TFormBrowseFolder::selectedFolder() const
{
    const QModelIndex current = tree()->currentIndex();
    return current.isValid() ? mModel->filePath(current) : QString();
}

void TFormBrowseFolder::selectFolder(const QString &path)
{
    const QModelIndex index = path.isEmpty() ? QModelIndex() : mModel->index(path);
    tree()->setCurrentIndex(index);
    if (index.isValid())
        tree()->scrollTo(index);
    mRevealSelection = true;
    checkFolder();
}

void TFormBrowseFolder::revealSelection()
{
    if (mRevealSelection && isVisible())
        tree()->scrollTo(tree()->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TFormBrowseFolder::retranslate()
{
    setWindowTitle(Unicode(Texts.BrowseFolderCaption));
    mUi->BrowseFolderButtonOK->setText(Unicode(Texts.BrowseFolderButtonOKCaption));
    mUi->BrowseFolderButtonCancel->setText(Unicode(Texts.BrowseFolderButtonCancelCaption));
    // A carriage return does not break a tooltip line; a line feed does.
    tree()->setToolTip(Unicode(Texts.BrowseFolderShellTreeViewHint)); // shown with its line breaks by HintPolicy
    checkFolder();
}

void TFormBrowseFolder::checkFolder()
{
    const QString path = selectedFolder();
    const bool usable = IsUsableFolderPath(path);
    label()->setText(usable ? QDir::toNativeSeparators(path) : Unicode(Texts.BrowseFolderLabelCaption));
    okButton()->setEnabled(usable);
}

void TFormBrowseFolder::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!mCentred) {
        mCentred = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    checkFolder();
    tree()->setFocus();
    mRevealSelection = true;
    QTimer::singleShot(0, this, &TFormBrowseFolder::revealSelection); // after the tree's pending layout
}

} // namespace cuefold
