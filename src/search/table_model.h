#pragma once

#include "config/settings.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <array>

namespace cuefold {

class Document;

// The overview grid's contents: one row per subtitle, column 0 its number and
// columns 1..8 the data fields at the positions the user arranged. Cells are
// plain strings built once per row, so filling 2500 rows is cheap and the
// grid only converts what it paints. A subtitle over the reading limits of
// the settings shows in red; the columns stay as the user stored them.
class TableModel : public QAbstractTableModel {
public:
    static constexpr int ColumnCount = TableColumnCount + 1;
    // A row's cells answer true when its subtitle is over the reading limits.
    static constexpr int OverReadingLimitsRole = Qt::UserRole;
    using Positions = std::array<int, TableColumnCount>; // field -> grid column 1..8

    explicit TableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rebuilds every row from the document (FillTable).
    void fill(const Document &doc);
    // Rewrites the eight data cells of subtitles first..last (ShowTableRow),
    // told to the grid as one change.
    void showRows(const Document &doc, int first, int last);
    // No rows left (ClearTable).
    void clear();
    // Header texts from the language table.
    void retranslate();

    const Positions &positions() const { return mPositions; }
    void setPositions(const Positions &p);
    // The grid moved its column `from` to `to` (both 1..8): every position
    // shifts the way the grid shifted the columns in between.
    void moveColumn(int from, int to);
    // The cell text of grid column `column` in row `line`, header row 0.
    QByteArray cellText(int line, int column) const;
    // The same as shown: subtitle texts in the document's encoding, the
    // rest (headers, yes and no) in the language's.
    QString shownText(int line, int column) const;
    // Subtitle `line` reads too fast or has a row too long.
    bool overReadingLimits(int line) const { return mOverLimits[line - 1]; }

private:
    using Row = std::array<QByteArray, ColumnCount>;
    void writeRow(Row &row, const Document &doc, int line) const;

    QList<Row> mRows;     // mRows[i] is subtitle i + 1
    QList<bool> mOverLimits; // as mRows
    Row mHeader;
    Positions mPositions{1, 2, 3, 4, 5, 6, 7, 8};
};

} // namespace cuefold
