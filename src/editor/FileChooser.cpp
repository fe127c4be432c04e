#include "editor/FileChooser.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/file_name.h"
#include "editor/EncodingChoice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace cuefold {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int FolderRole = Qt::UserRole + 1;

QString Joined(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

QStringList FilterPatterns(const QString &nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(u'(');
    const qsizetype close = nameFilter.lastIndexOf(u')');
    if (open < 0 || close < open)
        return {QStringLiteral("*")};
    return nameFilter.mid(open + 1, close - open - 1).split(u' ', Qt::SkipEmptyParts);
}

FileChooser::FileChooser(QWidget *parent, const FileDialogRequest &request)
    : QDialog(parent)
    , mSave(request.save)
    , mFolderEdit(new QLineEdit(this))
    , mList(new QListWidget(this))
    , mName(new QLineEdit(this))
    , mFilters(new QComboBox(this))
{
    setWindowTitle(request.title);
    mFolderEdit->setObjectName(QStringLiteral("EditFolder"));
    mList->setObjectName(QStringLiteral("ListFiles"));
    mName->setObjectName(QStringLiteral("EditFileName"));
    mFilters->setObjectName(QStringLiteral("ComboFilter"));
    mFilters->addItems(NameFilters(request.filter));
    auto *buttons = new QDialogButtonBox((mSave ? QDialogButtonBox::Save : QDialogButtonBox::Open)
                                             | QDialogButtonBox::Cancel, this);
    auto *fields = new QFormLayout;
    fields->addRow(Unicode(Texts.FileDialogFolder), mFolderEdit);
    auto *form = new QFormLayout;
    form->addRow(Unicode(Texts.FileDialogName), mName);
    form->addRow(Unicode(Texts.FileDialogType), mFilters);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(mList);
    layout->addLayout(form);
    if (request.encoding) {
        mEncoding = new EncodingChoice(this, !mSave, *request.encoding, !mSave);
        layout->addWidget(mEncoding);
        connect(this, &QDialog::accepted, this, [this, target = request.encoding] { *target = mEncoding->encoding(); });
    }
    layout->addWidget(buttons);
    resize(560, 420);

    connect(mName, &QLineEdit::returnPressed, this, &FileChooser::takeTyped);
    connect(mFolderEdit, &QLineEdit::returnPressed, this, [this] { take(mFolderEdit->text(), true); });
    connect(mFilters, &QComboBox::currentIndexChanged, this, &FileChooser::refill);
    connect(mList, &QListWidget::itemActivated, this, &FileChooser::takeItem);
    connect(mList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        const bool file = item && !item->data(FolderRole).toBool();
        if (file)
            mName->setText(item->text());
        if (mEncoding)
            mEncoding->previewFile(file ? item->data(PathRole).toString() : QString());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &FileChooser::takeTyped);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showFolder(request.folder.isEmpty() ? QDir::homePath() : request.folder);
}

void FileChooser::showFolder(const QString &folder)
{
    mFolder = QDir::cleanPath(QDir(mFolder).absoluteFilePath(folder));
    mFolderEdit->setText(DisplayFileName(mFolder));
    refill();
}

void FileChooser::refill()
{
    std::vector<FolderEntry> entries = ListFolder(mFolder);
    // Folders first, each group by name; hidden entries are left out.
    std::erase_if(entries, [](const FolderEntry &e) { return e.name.startsWith(u'.'); });
    std::sort(entries.begin(), entries.end(), [](const FolderEntry &a, const FolderEntry &b) {
        if (a.folder != b.folder)
            return a.folder;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    QList<QRegularExpression> patterns;
    for (const QString &p : FilterPatterns(mFilters->currentText()))
        patterns << QRegularExpression::fromWildcard(p, Qt::CaseInsensitive);
    mList->clear();
    const auto add = [this](const QString &text, const QString &path, bool isFolder) {
        auto *item = new QListWidgetItem(style()->standardIcon(isFolder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon),
                                         text, mList);
        item->setData(PathRole, path);
        item->setData(FolderRole, isFolder);
    };
    if (mFolder != QStringLiteral("/"))
        add(QStringLiteral(".."), QDir::cleanPath(mFolder + QStringLiteral("/..")), true);
    for (const FolderEntry &e : entries) {
        const QString shown = DisplayFileName(e.name);
        if (e.folder || std::any_of(patterns.cbegin(), patterns.cend(),
                                    [&](const QRegularExpression &p) { return p.match(shown).hasMatch(); }))
            add(shown, Joined(mFolder, e.name), e.folder);
    }
}

void FileChooser::take(const QString &path, bool isFolder)
{
    if (isFolder) {
        showFolder(path);
        mName->clear();
        return;
    }
    mChosen = path;
    accept();
}

void FileChooser::takeItem(QListWidgetItem *item)
{
    take(item->data(PathRole).toString(), item->data(FolderRole).toBool());
}

void FileChooser::takeTyped()
{
    const QString typed = mName->text();
    // The name of the file chosen in the list stands for that file, whose
    // real name may hold bytes the edit cannot show.
    if (QListWidgetItem *item = mList->currentItem(); item && item->text() == typed && !typed.isEmpty()) {
        takeItem(item);
        return;
    }
    if (typed.isEmpty())
        return;
    const QString path = QDir::cleanPath(QDir(mFolder).absoluteFilePath(typed));
    const bool isFolder = IsFolder(path);
    if (isFolder || mSave || IsRegularFile(path))
        take(path, isFolder);
}

} // namespace cuefold
