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
        return bool(mOverLimits[index.row()]);
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
    return mRows[line - 1][column];
}

QString TableModel::shownText(int line, int column) const
{
    const bool subtitleBytes = line > 0
                               && (column == mPositions[ColText] || column == mPositions[ColFErr]
                                   || column == mPositions[ColLErr]);
    return subtitleBytes ? DocumentCodec().toUnicode(cellText(line, column)) : CodePage::toUnicode(cellText(line, column));
}

void TableModel::writeRow(Row &row, const Document &doc, int line) const
{
    const TSubLine &l = doc.line(line);
    auto yesNo = [](quint8 flag) { return flag ? Texts.True : Texts.False; };
    row[mPositions[ColFrom]] = CellFrameText(l.From);
    row[mPositions[ColLast]] = CellFrameText(l.Last);
    row[mPositions[ColText]] = l.Text;
    row[mPositions[ColLock]] = yesNo(l.Lock);
    row[mPositions[ColMark]] = yesNo(l.Mark);
    row[mPositions[ColFind]] = yesNo(l.Find);
    row[mPositions[ColFErr]] = l.FErr;
    row[mPositions[ColLErr]] = l.LErr;
}

void TableModel::fill(const Document &doc)
{
    beginResetModel();
    mRows.resize(qMax(0, doc.LineCount));
    mOverLimits.resize(mRows.size());
    for (int i = 1; i <= doc.LineCount; ++i) {
        writeRow(mRows[i - 1], doc, i);
        mOverLimits[i - 1] = MeasureSubtitle(doc, i).overLimits(Settings.Main.Reading);
    }
    endResetModel();
}

void TableModel::showRows(const Document &doc, int first, int last)
{
    first = qMax(first, 1);
    last = qMin(last, int(mRows.size()));
    if (first > last)
        return;
    for (int line = first; line <= last; ++line) {
        writeRow(mRows[line - 1], doc, line);
        mOverLimits[line - 1] = MeasureSubtitle(doc, line).overLimits(Settings.Main.Reading);
    }
    // The number column takes the row's colour too.
    emit dataChanged(index(first - 1, 0), index(last - 1, ColumnCount - 1));
}

void TableModel::clear()
{
    beginResetModel();
    mRows.clear();
    mOverLimits.clear();
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
    auto moveIn = [from, to](Row &row) {
        QByteArray moved = std::move(row[from]);
        if (to < from)
            std::move_backward(row.begin() + to, row.begin() + from, row.begin() + from + 1);
        else
            std::move(row.begin() + from + 1, row.begin() + to + 1, row.begin() + from);
        row[to] = std::move(moved);
    };
    for (Row &row : mRows)
        moveIn(row);
    moveIn(mHeader);
    emit headerDataChanged(Qt::Horizontal, 1, ColumnCount - 1);
    if (!mRows.isEmpty())
        emit dataChanged(index(0, 1), index(int(mRows.size()) - 1, ColumnCount - 1));
}

} // namespace cuefold
