#pragma once

#include "document/document.h"

#include <QObject>
#include <memory>

namespace cuefold {

// How the current subtitle was reached; listeners of currentChanged decide
// by it whether to follow (the grid's selection, the player's position).
enum ShowMode {
    ShowFull = 1,        // redraw even when the index is already shown
    ShowKeepTable = 2,   // leave the overview table's selection alone
    ShowKeepTyped = 3,   // the user is typing: leave the edited field alone
    ShowFieldEdit = 5,   // a field setter replacing the typed text
    ShowStep = 6,        // previous/next buttons
    ShowNoSeek = 7,      // do not seek the player
    ShowPlain = 8,       // a plain move
    ShowCommand = 9,     // a command rewrote the stored text
};

// Owns the one document and tells who changed what: whoever changes the
// document announces it here, and the grid, the caption, the status bar and
// the player follow the signals instead of being called by each command.
class DocumentModel : public QObject {
    Q_OBJECT

public:
    DocumentModel();
    ~DocumentModel() override;

    Document &doc() { return *mDoc; }
    const Document &doc() const { return *mDoc; }

    // Announcements of changes already made to the document.
    void touchRow(int row) { touchRows(row, row); }
    void touchRows(int first, int last);

    // While a batch is open, changed rows are gathered into one span and
    // announced once when the outermost batch closes: a bulk command that
    // touches 2500 rows costs the listeners one update, not 2500.
    class RowBatch {
    public:
        explicit RowBatch(DocumentModel &model);
        ~RowBatch();
        RowBatch(const RowBatch &) = delete;
        RowBatch &operator=(const RowBatch &) = delete;

    private:
        DocumentModel &mModel;
    };
    void insertedRows(int first, int count) { emit rowsInserted(first, count); }
    void removedRows(int first, int count) { emit rowsRemoved(first, count); }
    void announceReset() { emit documentReset(); }
    // The current subtitle became `index`, reached as `mode` says.
    void setCurrent(int index, int mode);

    // The name the caption and the properties show ("film.sub", or the new
    // document's name) and the caption without the modified mark.
    const QString &shortName() const { return mShortName; }
    const QString &mainCaption() const { return mMainCaption; }
    void setNames(const QString &shortName, const QString &mainCaption);
    // The window caption: the main caption, with " *" while modified.
    QString caption() const;

    // Modified state: marking is cheap and signals only a change; saving
    // takes the saved copy; checking compares with it.
    void markModified();
    void markSaved();
    void checkModified();

signals:
    void rowsChanged(int first, int last);
    void rowsInserted(int first, int count);
    void rowsRemoved(int first, int count);
    void documentReset();
    void currentChanged(int index, int mode);
    // Every change of DocSaved; `saved` also follows each markSaved, since
    // the saved copy was renewed even when the flag stayed.
    void modifiedChanged(bool modified);
    void saved();
    void captionChanged();

private:
    std::unique_ptr<Document> mDoc; // 2 x 2500 records: kept off the stack
    int mBatchDepth = 0;
    int mBatchFirst = 0; // the gathered span; empty while first > last
    int mBatchLast = -1;
    QString mShortName;
    QString mMainCaption = QStringLiteral("Cuefold");
};

} // namespace cuefold
