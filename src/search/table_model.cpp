#include "search/table_model.h"

#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/document.h"
#include "document/frame_text.h"
#include "document/reading_speed.h"
#include "document/text_codec.h"

namespace cuefold {

TableModel::TableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    retranslate();
}

TableModel::~TableModel() = default;

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mRows.size());
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == OverReadingLimitsRole)
        return row(index.row() + 1).overLimits;
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return index.row() + 1;
    return shownText(index.row() + 1, index.column());
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    return CodePage::toUnicode(mHeader[section]);
}

QByteArray TableModel::cellText(int line, int column) const
{
    if (line == 0)
        return mHeader[column];
    if (column == 0)
        return QByteArray::number(line);
    return row(line).cells[column];
}

QString TableModel::shownText(int line, int column) const
{
    const bool subtitleBytes = line > 0
                               && (column == mPositions[ColText] || column == mPositions[ColFErr]
                                   || column == mPositions[ColLErr]);
    return subtitleBytes ? DocumentCodec().toUnicode(cellText(line, column)) : CodePage::toUnicode(cellText(line, column));
}

const TableModel::Row &TableModel::row(int line) const
{
    Row &r = mRows[line - 1];
    if (r.stale)
        writeRow(r, *mDoc, line);
    return r;
}

void TableModel::writeRow(Row &r, const Document &doc, int line) const
{
    const TSubLine &l = doc.line(line);
    auto yesNo = [](quint8 flag) { return flag ? Texts.True : Texts.False; };
    r.cells[mPositions[ColFrom]] = CellFrameText(l.From);
    r.cells[mPositions[ColLast]] = CellFrameText(l.Last);
    r.cells[mPositions[ColText]] = l.Text;
    r.cells[mPositions[ColLock]] = yesNo(l.Lock);
    r.cells[mPositions[ColMark]] = yesNo(l.Mark);
    r.cells[mPositions[ColFind]] = yesNo(l.Find);
    r.cells[mPositions[ColFErr]] = l.FErr;
    r.cells[mPositions[ColLErr]] = l.LErr;
    r.overLimits = MeasureSubtitle(doc, line).overLimits(Settings.Main.Reading);
    r.stale = false;
}

void TableModel::fill(std::unique_ptr<Document> own)
{
    fill(*own);
    mOwn = std::move(own);
}

void TableModel::fill(const Document &doc)
{
    beginResetModel();
    if (&doc != mOwn.get())
        mOwn.reset();
    mDoc = &doc;
    mRows = QList<Row>(qMax(0, doc.LineCount));
    endResetModel();
}

void TableModel::showRows(const Document &doc, int first, int last)
{
    first = qMax(first, 1);
    last = qMin(last, int(mRows.size()));
    if (first > last)
        return;
    // Rows of another document than the one shown (the document itself
    // under a preview) are written at once, the rest read when painted.
    for (int line = first; line <= last; ++line) {
        if (&doc == mDoc)
            mRows[line - 1].stale = true;
        else
            writeRow(mRows[line - 1], doc, line);
    }
    // The number column takes the row's colour too.
    emit dataChanged(index(first - 1, 0), index(last - 1, ColumnCount - 1));
}

void TableModel::clear()
{
    beginResetModel();
    mRows.clear();
    mDoc = nullptr;
    mOwn.reset();
    endResetModel();
}

void TableModel::retranslate()
{
    mHeader[0] = Texts.TableLine;
    const QByteArray LanguageTexts::*keys[TableColumnCount] = {
        &LanguageTexts::TableFirst, &LanguageTexts::TableLast, &LanguageTexts::TableTitle,
        &LanguageTexts::TableLock, &LanguageTexts::TableMark, &LanguageTexts::TableError,
        &LanguageTexts::TableFind1, &LanguageTexts::TableFind2,
    };
    for (int f = 0; f < TableColumnCount; ++f)
        mHeader[mPositions[f]] = Texts.*keys[f];
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void TableModel::setPositions(const Positions &p)
{
    mPositions = p;
    retranslate();
}

void TableModel::moveColumn(int from, int to)
{
    if (from == to || from < 1 || to < 1 || from >= ColumnCount || to >= ColumnCount)
        return;
    for (int &p : mPositions) {
        if (p == from)
            p = to;
        else if (to < from && p >= to && p < from)
            ++p;
        else if (to > from && p > from && p <= to)
            --p;
    }
    auto moveIn = [from, to](Cells &row) {
        QByteArray moved = std::move(row[from]);
        if (to < from)
            std::move_backward(row.begin() + to, row.begin() + from, row.begin() + from + 1);
        else
            std::move(row.begin() + from + 1, row.begin() + to + 1, row.begin() + from);
        row[to] = std::move(moved);
    };
    for (Row &row : mRows)
        moveIn(row.cells);
    moveIn(mHeader);
    emit headerDataChanged(Qt::Horizontal, 1, ColumnCount - 1);
    if (!mRows.isEmpty())
        emit dataChanged(index(0, 1), index(int(mRows.size()) - 1, ColumnCount - 1));
}

} // namespace cuefold
