#include "search/FProperties.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/document.h"
#include "document/text_codec.h"
#include "editor/NamedWidget.h"
#include "player/subtitle_filter.h"
#include "search/statistics.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cuefold {

namespace {

QGroupBox *group(QWidget *parent, const char *name, std::initializer_list<QWidget *> children)
{
    auto *box = named<QGroupBox>(parent, name);
    auto *layout = new QVBoxLayout(box);
    for (QWidget *w : children) {
        w->setParent(box);
        layout->addWidget(w);
    }
    return box;
}

} // namespace

TFormFileProperties::TFormFileProperties(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFileProperties"));
    setModal(true);
    EditSUBSFullPath = named<QLineEdit>(this, "EditSUBSFullPath");
    EditSUBSFullPath->setReadOnly(true);
    LabelFileSize = named<QLabel>(this, "LabelFileSize");
    LabelFileAttributes = named<QLabel>(this, "LabelFileAttributes");
    LabelEncoding = named<QLabel>(this, "LabelEncoding");
    LabelSyntaxErrors = named<QLabel>(this, "LabelSyntaxErrors");
    LabelRecalculatedLines = named<QLabel>(this, "LabelRecalculatedLines");
    LabelOverlaps = named<QLabel>(this, "LabelOverlaps");
    GroupBoxReadFile = group(this, "GroupBoxReadFile", {EditSUBSFullPath, LabelFileSize, LabelFileAttributes, LabelEncoding,
                                                        LabelSyntaxErrors, LabelRecalculatedLines, LabelOverlaps});
    LabelFPS = named<QLabel>(this, "LabelFPS");
    LabelMovieFPS = named<QLabel>(this, "LabelMovieFPS");
    LabelLines = named<QLabel>(this, "LabelLines");
    LabelEmptyLines = named<QLabel>(this, "LabelEmptyLines");
    LabelLockLines = named<QLabel>(this, "LabelLockLines");
    LabelMarkLines = named<QLabel>(this, "LabelMarkLines");
    LabelChangedLines = named<QLabel>(this, "LabelChangedLines");
    GroupBoxEditor = group(this, "GroupBoxEditor", {LabelFPS, LabelMovieFPS, LabelLines, LabelEmptyLines, LabelLockLines,
                                                    LabelMarkLines, LabelChangedLines});
    LabelDirectShow = named<QLabel>(this, "LabelDirectShow");
    LabelAuxFolder = named<QLabel>(this, "LabelAuxFolder");
    EditAVISFullPath = named<QLineEdit>(this, "EditAVISFullPath");
    EditAVISFullPath->setReadOnly(true);
    ButtonMovieShellProperties = named<QPushButton>(this, "ButtonMovieShellProperties");
    GroupBoxPlayer = group(this, "GroupBoxPlayer", {LabelDirectShow, LabelAuxFolder, EditAVISFullPath,
                                                    ButtonMovieShellProperties});
    // The movie belongs to the player; until one is loaded its row stays off.
    EditAVISFullPath->setEnabled(false);
    ButtonMovieShellProperties->setEnabled(false);

    mButtonRow = new QWidget(this);
    mButtonRow->setMinimumHeight(36);
    ButtonOK = named<QPushButton>(mButtonRow, "ButtonOK");
    ButtonOK->setDefault(true);
    ButtonPlay = named<QPushButton>(mButtonRow, "ButtonPlay");
    ButtonPlay->hide();
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonPlay, &QPushButton::clicked, this, [this] {
        accept();
        emit playRequested();
    });
    connect(ButtonMovieShellProperties, &QPushButton::clicked, this, &TFormFileProperties::moviePropertiesRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBoxReadFile);
    layout->addWidget(GroupBoxEditor);
    layout->addWidget(GroupBoxPlayer);
    layout->addWidget(mButtonRow);
    setMinimumWidth(420);
}

QLabel *TFormFileProperties::label(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

void TFormFileProperties::retranslate()
{
    GroupBoxReadFile->setTitle(Unicode(Texts.FileReadFile));
    GroupBoxEditor->setTitle(Unicode(Texts.OptionsGroupBoxEditorCaption));
    GroupBoxPlayer->setTitle(Unicode(Texts.OptionsGroupBoxPlayerCaption));
    ButtonMovieShellProperties->setText(Unicode(Texts.FileMovieFile));
    ButtonOK->setText(Unicode(Texts.OK));
}

void TFormFileProperties::fill(const FileStatistics &stats, const QString &path, const QString &shortName)
{
    const PropertyLabels labels = ComposePropertyLabels(stats);
    setWindowTitle(shortName);
    EditSUBSFullPath->setText(path);
    EditSUBSFullPath->setEnabled(!path.isEmpty());
    LabelFileSize->setText(Unicode(labels.FileSize));
    LabelFileAttributes->setText(Unicode(labels.FileAttributes));
    LabelEncoding->setText(Unicode(Texts.FileDialogEncoding) + QLatin1Char(' ') + DescribeEncoding(DocumentEncoding()));
    LabelSyntaxErrors->setText(Unicode(labels.SyntaxErrors));
    LabelRecalculatedLines->setText(Unicode(labels.RecalculatedLines));
    LabelOverlaps->setText(Unicode(labels.Overlaps));
    LabelFPS->setText(Unicode(labels.FPS));
    LabelLines->setText(Unicode(labels.Lines));
    LabelEmptyLines->setText(Unicode(labels.EmptyLines));
    LabelLockLines->setText(Unicode(labels.LockLines));
    LabelMarkLines->setText(Unicode(labels.MarkLines));
    LabelChangedLines->setText(Unicode(labels.ChangedLines));
}

void TFormFileProperties::fillPlayer(const FilterState &filter, const QString &movie, const QByteArray &movieRate)
{
    LabelMovieFPS->setText(Unicode(Texts.FileMovieFPS + ' ' + movieRate));
    EditAVISFullPath->setText(movie);
    EditAVISFullPath->setEnabled(!movie.isEmpty());
    ButtonMovieShellProperties->setEnabled(!movie.isEmpty());
    const FilterLabels labels =
        ComposeFilterLabels(filter.FilterPresent, filter.FilterFolderFound, filter.FilterFolder);
    LabelDirectShow->setText(Unicode(labels.DirectShow));
    LabelAuxFolder->setText(Unicode(labels.AuxFolder));
}

void TFormFileProperties::setPlayTexts(const QString &caption, const QString &hint)
{
    ButtonPlay->setText(caption);
    ButtonPlay->setToolTip(hint);
}

void TFormFileProperties::arrangeButtons(bool withPlay)
{
    mWithPlay = withPlay;
    ButtonPlay->setVisible(withPlay);
    resizeEvent(nullptr);
}

void TFormFileProperties::resizeEvent(QResizeEvent *event)
{
    if (event)
        QDialog::resizeEvent(event);
    const int free = mButtonRow->width() - ButtonOK->width();
    if (mWithPlay) {
        const int left = free / 3;
        ButtonOK->move(left, 4);
        ButtonPlay->move(2 * left + ButtonOK->width(), 4);
    } else {
        ButtonOK->move(free / 2, 4);
    }
}

void TFormFileProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ButtonOK->setFocus();
}

} // namespace cuefold
