#pragma once

#include "document/document.h"
#include "document/document_edit.h"
#include "document/edit_history.h"

#include <QObject>
#include <functional>
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

// Owns the one document and is the only thing that changes it. Every change
// happens inside an edit, which records the rows it touched (both arrays,
// before and after) and the document state around it, and then tells the
// grid, the caption, the status bar and the player what changed. Whoever
// else holds the document holds it read-only.
class DocumentModel : public QObject {
    Q_OBJECT

public:
    DocumentModel();
    ~DocumentModel() override;

    const Document &doc() const { return *mDoc; }

    // An edit gathers every change until the outermost one closes; changes
    // made with no edit open are an edit of their own.
    void beginEdit(const QByteArray &name = {});
    void endEdit();
    class Edit {
    public:
        explicit Edit(DocumentModel &model, const QByteArray &name = {});
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;

    private:
        DocumentModel &mModel;
    };

    // Runs a pure algorithm over the document inside an edit; whatever it
    // changed is recorded and announced. Returns what the algorithm returns.
    template <class Algorithm>
    auto change(Algorithm &&algorithm)
    {
        return run(std::forward<Algorithm>(algorithm), true);
    }
    // The same for an algorithm that changes SubLines and the state but
    // never SavedLines (the bulk commands): half the rows to look through.
    template <class Algorithm>
    auto changeLines(Algorithm &&algorithm)
    {
        return run(std::forward<Algorithm>(algorithm), false);
    }

    // The field setters. A positive frame clears the field's reading fault.
    void setFrame(int row, bool first, double value);
    void setText(int row, const QByteArray &text);
    void setLock(int row, bool lock);
    void setMark(int row, bool mark);

    // A new document: everything cleared, then `fill` puts in what was read
    // (or the one empty subtitle of a new document) and its saved copy.
    void load(const std::function<void(Document &)> &fill);
    // No document: the state between two documents.
    void reset();
    void setSubFileName(const QString &path) { mDoc->SubFileName = path; }
    void setMovieFileName(const QString &path) { mDoc->MovieFileName = path; }

    // The current subtitle became `index`, reached as `mode` says.
    void setCurrent(int index, int mode);

    // The name the caption and the properties show ("film.sub", or the new
    // document's name) and the caption without the modified mark.
    const QString &shortName() const { return mShortName; }
    const QString &mainCaption() const { return mMainCaption; }
    void setNames(const QString &shortName, const QString &mainCaption);
    // The window caption: the main caption, with " *" while modified.
    QString caption() const;

    // Modified state: marking only flags it; checking compares with the saved
    // copy and, finding no difference, makes the document clean again (which
    // is no save: nothing was written). `markWritten` follows a real write.
    void markModified();
    void checkModified();
    void markWritten();
    // Every recorded edit counts one revision; the saved revision is the one
    // last written to the document's file.
    int revision() const { return mRevision; }
    int savedRevision() const { return mSavedRevision; }
    // Moves with every change of the rows, the state or the saved copy, also
    // inside an open edit: what was worked out from an equal stamp still holds.
    int contentStamp() const { return mStamp; }

    // The recorded steps. Undoing (back) or redoing one puts the document
    // back or forward exactly, the current subtitle where the step was made
    // (for the panel to show), and decides the modified state as checking
    // does; refused while an edit is open. False when there was no step.
    const EditHistory &history() const { return mHistory; }
    bool stepHistory(bool back);

signals:
    void rowsChanged(int first, int last);
    void rowsInserted(int first, int count);
    void rowsRemoved(int first, int count);
    void documentReset();
    void currentChanged(int index, int mode);
    void modifiedChanged(bool modified);
    // The document's file was written.
    void saved();
    void captionChanged();
    void fpsChanged(double fps);
    // An edit closed, having changed the document.
    void editRecorded(const cuefold::DocumentEdit &edit);
    // A step was recorded, undone or redone, or the history was cleared.
    void historyChanged();

private:
    template <class Algorithm>
    auto run(Algorithm &&algorithm, bool withSaved)
    {
        const Edit edit(*this);
        RowSnapshot before = TakeSnapshot(*mDoc, withSaved);
        if constexpr (std::is_void_v<decltype(algorithm(*mDoc))>) {
            algorithm(*mDoc);
            record(before);
        } else {
            auto result = algorithm(*mDoc);
            record(before);
            return result;
        }
    }
    void record(RowSnapshot &before);
    // One field setter's change of `row`, recorded.
    template <class Change>
    void changeRow(int row, Change &&change);
    void recordRow(int row, const TSubLine &before);
    void setModified(bool modified);
    void settleModified();
    void announce(const std::vector<RowSpan> &spans, bool fpsChanged);

    std::unique_ptr<Document> mDoc; // 2 x 2500 records: kept off the stack
    int mEditDepth = 0;
    DocumentEdit mEdit;
    int mRevision = 0;
    int mSavedRevision = 0;
    int mStamp = 0;
    // What the last checkModified saw: a document not changed since, in the
    // state it left, would be found the same.
    int mCheckedStamp = -1;
    bool mCheckedSaved = false;
    EditHistory mHistory;
    QString mShortName;
    QString mMainCaption = QStringLiteral("Cuefold");
};

} // namespace cuefold
