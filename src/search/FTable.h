#pragma once

#include "search/PlainGridView.h"

#include <QWidget>

class QCheckBox;
class QTableView;

namespace cuefold {

class Document;
class TableModel;
struct EditorContext;

// The overview window: every subtitle in a grid whose columns the user can
// move and resize; the current subtitle's row is always selected.
class TFormTable : public QWidget {
    Q_OBJECT

public:
    // Follows the document model: touched rows are rewritten, inserted or
    // removed ones refill the grid, the current subtitle's row is selected.
    explicit TFormTable(EditorContext &ctx, QWidget *parent);

    void FillTable();
    // Filled with a new document, or emptied without one.
    void documentReset();
    void ShowTableRow(int line);
    void ClearTable();
    // While a timing test owns the player the grid turns the tooltip colour.
    void setSeekingLook(bool seeking);
    void AutoSizeColumns();
    // Selects the row of subtitle `line` and scrolls it into view.
    void selectRow(int line);
    void retranslate();
    // Restores and stores bounds, column order and widths.
    void loadSettings(const QRect &desktop);
    void saveSettings();

    TableModel *model() const { return mModel; }
    QTableView *grid() const { return StringGridTable; }
    QCheckBox *autoWidthBox() const { return CheckBoxColumnsAutoWidth; }

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void StringGridTableClick(const QModelIndex &index);
    void StringGridTableColumnMoved(int logical, int oldVisual, int newVisual);
    void CheckBoxColumnsAutoWidthClick(bool checked);

    EditorContext &mCtx;
    TableModel *mModel;
    PlainGridView *StringGridTable;
    QCheckBox *CheckBoxColumnsAutoWidth;
    bool mSelecting = false; // the program itself is selecting a row
};

} // namespace cuefold
