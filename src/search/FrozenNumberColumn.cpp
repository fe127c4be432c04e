#include "search/FrozenNumberColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

namespace cuefold {

FrozenNumberColumn::FrozenNumberColumn(PlainGridView *grid)
    : PlainGridView(grid)
    , mGrid(grid)
{
    setObjectName(QStringLiteral("StringGridTableNumbers"));
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // Its header and rows cover it whole; as an opaque widget it spares the
    // grid painting its own column 0 underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setModel(grid->model());
    setSelectionModel(grid->selectionModel());
    setItemDelegate(grid->itemDelegate());
    setShowGrid(grid->showGrid());
    setSelectionBehavior(grid->selectionBehavior());
    setSelectionMode(grid->selectionMode());
    for (int c = 1; c < model()->columnCount(); ++c)
        setColumnHidden(c, true);
    followSizes();
    // The grid scrolls sideways by pixels, so column 1 is never pushed under
    // this view by a whole-column step.
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, grid->verticalScrollBar(), &QScrollBar::setValue);
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    // A grid scrolled while this view had no rows yet (a hidden window, a
    // refill) is followed again once the rows are laid out.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { verticalScrollBar()->setValue(mGrid->verticalScrollBar()->value()); });
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (logical == 0) {
            setColumnWidth(0, size);
            placeOverGrid();
        }
    });
    grid->installEventFilter(this);
    grid->viewport()->stackUnder(this);
    grid->setScrollOverlay(this);
    show();
}

void FrozenNumberColumn::followSizes()
{
    setPalette(mGrid->palette());
    setFont(mGrid->font());
    setColumnWidth(0, mGrid->columnWidth(0));
    placeOverGrid();
}

bool FrozenNumberColumn::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::LayoutRequest:
        placeOverGrid();
        break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        followSizes();
        break;
    default:
        break;
    }
    return PlainGridView::eventFilter(watched, event);
}

void FrozenNumberColumn::placeOverGrid()
{
    const int header = mGrid->horizontalHeader()->height();
    verticalHeader()->setDefaultSectionSize(mGrid->verticalHeader()->defaultSectionSize());
    horizontalHeader()->setFixedHeight(header);
    setGeometry(mGrid->frameWidth(), mGrid->frameWidth(), mGrid->columnWidth(0),
                mGrid->viewport()->height() + header);
}

} // namespace cuefold
