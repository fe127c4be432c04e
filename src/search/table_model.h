#pragma once

#include "config/settings.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <array>
#include <memory>

namespace cuefold {

class Document;

// The overview grid's contents: one row per subtitle, column 0 its number and
// columns 1..8 the data fields at the positions the user arranged. Cells are
// plain strings, built when the grid first asks for a row after the row
// changed, so a command over 2500 subtitles costs only the rows on screen
// and the grid converts only what it paints. A subtitle over the reading limits of
// the settings shows in red; the columns stay as the user stored them.
class TableModel : public QAbstractTableModel {
public:
    static constexpr int ColumnCount = TableColumnCount + 1;
    // A row's cells answer true when its subtitle is over the reading limits.
    static constexpr int OverReadingLimitsRole = Qt::UserRole;
    using Positions = std::array<int, TableColumnCount>; // field -> grid column 1..8

    explicit TableModel(QObject *parent = nullptr);
    ~TableModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows every row of `doc` (FillTable); the document must outlive the
    // rows shown, or be shown again with fill() or clear().
    void fill(const Document &doc);
    // Shows a document of the grid's own, such as a preview of new frames,
    // kept until the next fill or clear.
    void fill(std::unique_ptr<Document> own);
    // The eight data cells of subtitles first..last are read again from
    // `doc` (ShowTableRow), told to the grid as one change.
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
    bool overReadingLimits(int line) const { return row(line).overLimits; }

private:
    using Cells = std::array<QByteArray, ColumnCount>;
    struct Row {
        Cells cells;
        bool overLimits = false;
        bool stale = true; // the cells wait to be read from the document
    };
    // Subtitle `line`'s row, read from the document first when stale.
    const Row &row(int line) const;
    void writeRow(Row &row, const Document &doc, int line) const;

    const Document *mDoc = nullptr; // where stale rows are read from
    std::unique_ptr<Document> mOwn; // a document shown that nobody else keeps
    mutable QList<Row> mRows; // mRows[i] is subtitle i + 1
    Cells mHeader;
    Positions mPositions{1, 2, 3, 4, 5, 6, 7, 8};
};

} // namespace cuefold
