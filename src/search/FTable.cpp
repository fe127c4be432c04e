#include "search/FTable.h"

#include <QApplication>

#include "config/language_table.h"
#include "config/settings.h"
#include "config/settings_io.h"
#include "document/code_page.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "search/FrozenNumberColumn.h"
#include "search/PlainGridView.h"
#include "search/TableCellDelegate.h"
#include "search/table_model.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace cuefold {

namespace {
constexpr int StartWidths[TableModel::ColumnCount] = {30, 41, 41, 160, 38, 38, 38, 60, 60};

// The grid's headers show neither cells nor the selection (no section is
// highlighted), yet each would repaint whole on every change of either.
void KeepHeaderOutOfRowChanges(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    QObject::disconnect(view->model(), &QAbstractItemModel::dataChanged, header, nullptr);
    QObject::disconnect(view->selectionModel(), nullptr, header, nullptr);
}
} // namespace

TFormTable::TFormTable(EditorContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , mCtx(ctx)
    , mModel(new TableModel(this))
{
    setObjectName(QStringLiteral("FormTable"));
    setMinimumSize(330, 240);
    resize(520, 400);
    StringGridTable = new PlainGridView(this);
    StringGridTable->setObjectName(QStringLiteral("StringGridTable"));
    StringGridTable->setModel(mModel);
    StringGridTable->setItemDelegate(new TableCellDelegate(StringGridTable));
    StringGridTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGridTable->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGridTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridTable->setWordWrap(false);
    StringGridTable->verticalHeader()->hide();
    StringGridTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows and the header follow the font, so no text is cut at the bottom.
    StringGridTable->verticalHeader()->setDefaultSectionSize(qMax(16, StringGridTable->fontMetrics().height() + 2));
    StringGridTable->horizontalHeader()->setFixedHeight(StringGridTable->horizontalHeader()->sizeHint().height());
    StringGridTable->horizontalHeader()->setSectionsMovable(true);
    StringGridTable->horizontalHeader()->setHighlightSections(false);
    StringGridTable->horizontalHeader()->setDefaultSectionSize(38);
    for (int c = 0; c < TableModel::ColumnCount; ++c)
        StringGridTable->setColumnWidth(c, StartWidths[c]);
    auto *numbers = new FrozenNumberColumn(StringGridTable);
    KeepHeaderOutOfRowChanges(StringGridTable);
    KeepHeaderOutOfRowChanges(numbers);
    CheckBoxColumnsAutoWidth = new QCheckBox(this);
    CheckBoxColumnsAutoWidth->setObjectName(QStringLiteral("CheckBoxColumnsAutoWidth"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(StringGridTable, 1);
    layout->addWidget(CheckBoxColumnsAutoWidth);

    connect(StringGridTable, &QTableView::clicked, this, &TFormTable::StringGridTableClick);
    connect(numbers, &QTableView::clicked, this, &TFormTable::StringGridTableClick);
    // Moving through the grid with the keyboard picks the row as a click does.
    connect(StringGridTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!mSelecting && StringGridTable->hasFocus())
                    StringGridTableClick(current);
            });
    connect(StringGridTable->horizontalHeader(), &QHeaderView::sectionMoved,
            this, &TFormTable::StringGridTableColumnMoved);
    connect(CheckBoxColumnsAutoWidth, &QCheckBox::clicked, this, &TFormTable::CheckBoxColumnsAutoWidthClick);
    StringGridTable->setTabKeyNavigation(false);

    const DocumentModel &model = ctx.model;
    connect(&model, &DocumentModel::rowsChanged, this, [this](int first, int last) {
        mModel->showRows(mCtx.doc(), first, last);
    });
    connect(&model, &DocumentModel::rowsInserted, this, &TFormTable::FillTable);
    connect(&model, &DocumentModel::rowsRemoved, this, &TFormTable::FillTable);
    connect(&model, &DocumentModel::documentReset, this, &TFormTable::documentReset);
    // Reading speeds follow the frame rate.
    connect(&model, &DocumentModel::fpsChanged, this, &TFormTable::FillTable);
    connect(&model, &DocumentModel::currentChanged, this, [this](int index, int mode) {
        if (mode != ShowKeepTable)
            selectRow(index);
    });
}

void TFormTable::documentReset()
{
    if (!mCtx.doc().isLoaded()) {
        ClearTable();
        return;
    }
    FillTable();
    if (CheckBoxColumnsAutoWidth->isChecked())
        AutoSizeColumns();
}

void TFormTable::FillTable()
{
    mModel->fill(mCtx.doc());
}

void TFormTable::ShowTableRow(int line)
{
    mModel->showRows(mCtx.doc(), line, line);
}

void TFormTable::ClearTable()
{
    mModel->clear();
}

void TFormTable::setSeekingLook(bool seeking)
{
    QPalette p = StringGridTable->palette();
    p.setColor(QPalette::Base, QApplication::palette().color(seeking ? QPalette::Base : QPalette::ToolTipBase));
    StringGridTable->setPalette(p);
}

void TFormTable::AutoSizeColumns()
{
    // A cell needs its text, the delegate's margin on both sides and the
    // grid line; a header needs what the style pads its section with.
    const QFontMetrics cells(StringGridTable->font());
    const int cellPadding = 2 * TableCellDelegate::TextMargin + PlainGridView::GridLine;
    const int rows = mModel->rowCount();
    for (int c = 0; c < TableModel::ColumnCount; ++c) {
        int widest = StringGridTable->horizontalHeader()->sectionSizeHint(c);
        for (int r = 1; r <= rows; ++r)
            widest = qMax(widest, cells.horizontalAdvance(mModel->shownText(r, c)) + cellPadding);
        StringGridTable->setColumnWidth(c, qMax(20, widest));
    }
}

void TFormTable::selectRow(int line)
{
    if (line < 1 || line > mModel->rowCount())
        return;
    const QModelIndex index = mModel->index(line - 1, 1);
    mSelecting = true;
    StringGridTable->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    mSelecting = false;
    // Only the row is brought into view; the sideways scroll stays.
    QScrollBar *sideways = StringGridTable->horizontalScrollBar();
    const int across = sideways->value();
    StringGridTable->scrollTo(index, QAbstractItemView::EnsureVisible);
    sideways->setValue(across);
}

void TFormTable::retranslate()
{
    setWindowTitle(CodePage::toUnicode(Texts.TableCaption));
    CheckBoxColumnsAutoWidth->setText(CodePage::toUnicode(Texts.TableCheckBoxColumnsAutoWidth));
    mModel->retranslate();
    // The cells' yes and no are language texts too.
    if (mCtx.doc().isLoaded())
        FillTable();
    if (CheckBoxColumnsAutoWidth->isChecked()) {
        AutoSizeColumns();
        return;
    }
    // A header wider than its column in this language widens the column.
    QHeaderView *header = StringGridTable->horizontalHeader();
    for (int c = 0; c < TableModel::ColumnCount; ++c)
        StringGridTable->setColumnWidth(c, qMax(StringGridTable->columnWidth(c), header->sectionSizeHint(c)));
}

void TFormTable::StringGridTableClick(const QModelIndex &index)
{
    const int line = index.row() + 1;
    if (line < 1 || line > mCtx.doc().LineCount)
        return;
    mCtx.panel.CommitEdits();
    mCtx.panel.ShowLine(line, ShowKeepTable);
}

void TFormTable::StringGridTableColumnMoved(int, int oldVisual, int newVisual)
{
    // The header only moved the section on screen; put it back and move the
    // data instead, so that grid column n always shows position n.
    QHeaderView *header = StringGridTable->horizontalHeader();
    {
        const QSignalBlocker block(header);
        header->moveSection(newVisual, oldVisual);
    }
    if (oldVisual == 0 || newVisual == 0)
        return; // the number column stays first
    QList<int> widths;
    for (int c = 0; c < TableModel::ColumnCount; ++c)
        widths << StringGridTable->columnWidth(c);
    widths.move(oldVisual, newVisual);
    mModel->moveColumn(oldVisual, newVisual);
    for (int c = 0; c < TableModel::ColumnCount; ++c)
        StringGridTable->setColumnWidth(c, widths[c]);
}

void TFormTable::CheckBoxColumnsAutoWidthClick(bool checked)
{
    if (checked)
        AutoSizeColumns();
}

void TFormTable::closeEvent(QCloseEvent *event)
{
    // Closing the window is the show-table command switching it off.
    event->ignore();
    emit closedByUser();
}

void TFormTable::loadSettings(const QRect &desktop)
{
    const TableSettings &t = Settings.Table;
    CheckBoxColumnsAutoWidth->setChecked(t.ColumnsAutoWidth);
    const std::optional<WindowBounds> b =
        t.SaveWindowPosition ? ClampTableWindow(t.Window, desktop.size()) : std::nullopt;
    if (!b) {
        move(desktop.center() - rect().center());
        return;
    }
    setGeometry(b->Left, b->Top, b->Width, b->Height);
    mModel->setPositions(t.ColumnPosition);
    // Widths of an order that had to be reset were never read and stay -1.
    for (int c = 0; c < TableModel::ColumnCount; ++c)
        if (t.ColWidth[c] > 5)
            StringGridTable->setColumnWidth(c, t.ColWidth[c]);
}

void TFormTable::saveSettings()
{
    TableSettings &t = Settings.Table;
    t.ColumnsAutoWidth = CheckBoxColumnsAutoWidth->isChecked();
    const QRect g = geometry(); // restored with setGeometry, so no frame creep
    t.Window = {g.top(), g.left(), g.width(), g.height()};
    t.ColumnPosition = mModel->positions();
    for (int c = 0; c < TableModel::ColumnCount; ++c)
        t.ColWidth[c] = StringGridTable->columnWidth(c);
}

} // namespace cuefold
