#include "document/document_model.h"

#include "document/text_codec.h"

#include <algorithm>

namespace cuefold {

DocumentModel::DocumentModel()
    : mDoc(std::make_unique<Document>())
{
}

DocumentModel::~DocumentModel() = default;

DocumentModel::Edit::Edit(DocumentModel &model, const QByteArray &name)
    : mModel(model)
{
    mModel.beginEdit(name);
}

DocumentModel::Edit::~Edit() { mModel.endEdit(); }

void DocumentModel::beginEdit(const QByteArray &name)
{
    if (mEditDepth++ > 0) {
        if (mEdit.name.isEmpty())
            mEdit.name = name;
        return;
    }
    mEdit = DocumentEdit();
    mEdit.name = name;
    mEdit.before = StateOf(*mDoc);
    mEdit.currentBefore = mDoc->CurrentLine;
}

void DocumentModel::endEdit()
{
    if (--mEditDepth > 0)
        return;
    mEdit.after = StateOf(*mDoc);
    mEdit.currentAfter = mDoc->CurrentLine;
    if (mEdit.empty())
        return;
    ++mRevision;
    DocumentEdit edit = std::move(mEdit);
    mEdit = DocumentEdit();
    std::vector<RowSpan> spans;
    for (const RowSplice &s : edit.splices)
        spans.push_back({s.first, int(s.before.size()), int(s.after.size())});
    announce(spans, edit.before.FPS != edit.after.FPS);
    emit editRecorded(edit);
    mHistory.record(std::move(edit));
    emit historyChanged();
}

bool DocumentModel::stepHistory(bool back)
{
    if (mEditDepth > 0 || !(back ? mHistory.canUndo() : mHistory.canRedo()))
        return false;
    const StepEffect effect = back ? mHistory.undo(*mDoc) : mHistory.redo(*mDoc);
    ++mRevision;
    ++mStamp;
    setModified(mDoc->recount());
    announce(effect.spans, effect.fpsChanged);
    emit historyChanged();
    return true;
}

void DocumentModel::record(RowSnapshot &before)
{
    ++mStamp;
    for (RowSplice &s : DiffRows(before, *mDoc))
        mEdit.splices.push_back(std::move(s));
}

void DocumentModel::recordRow(int row, const TSubLine &before)
{
    const TSubLine &after = mDoc->SubLines[row];
    if (after == before)
        return;
    ++mStamp;
    if (!mEdit.splices.empty()) {
        RowSplice &last = mEdit.splices.back();
        if (last.first == row && last.before.size() == 1 && last.after.size() == 1) {
            last.after.front() = after;
            return;
        }
    }
    mEdit.splices.push_back({row, {before}, {after}, {}, {}});
}

// One update for the whole edit: the structural changes first (the grid
// fills anew for them), then one span over every row changed in place.
void DocumentModel::announce(const std::vector<RowSpan> &spans, bool fpsChanged)
{
    int first = mDoc->LineCount + 1;
    int last = 0;
    for (const RowSpan &s : spans) {
        const int grown = s.newLength - s.oldLength;
        if (grown > 0)
            emit rowsInserted(s.first, grown);
        else if (grown < 0)
            emit rowsRemoved(s.first, -grown);
        first = std::min(first, s.first);
        last = std::max(last, s.first + s.newLength - 1);
    }
    last = std::min(last, mDoc->LineCount);
    if (first <= last)
        emit rowsChanged(first, last);
    if (fpsChanged)
        emit this->fpsChanged(mDoc->FPS);
}

template <class Change>
void DocumentModel::changeRow(int row, Change &&change)
{
    if (!mDoc->validIndex(row))
        return;
    const Edit edit(*this);
    const TSubLine before = mDoc->SubLines[row];
    change(mDoc->SubLines[row]);
    recordRow(row, before);
}

void DocumentModel::setFrame(int row, bool first, double value)
{
    changeRow(row, [&](TSubLine &l) {
        (first ? l.From : l.Last) = value;
        QByteArray &raw = first ? l.FErr : l.LErr;
        const QByteArray &other = first ? l.LErr : l.FErr;
        if (l.Find == 1 && !raw.isEmpty() && value > 0) {
            raw.clear();
            if (other.isEmpty())
                l.Find = 0;
            --mDoc->SyntaxErrorCount;
        }
    });
}

void DocumentModel::setText(int row, const QByteArray &text)
{
    changeRow(row, [&](TSubLine &l) { l.Text = text; });
}

void DocumentModel::setLock(int row, bool lock)
{
    changeRow(row, [&](TSubLine &l) { l.Lock = lock; });
}

void DocumentModel::setMark(int row, bool mark)
{
    changeRow(row, [&](TSubLine &l) { l.Mark = mark; });
}

void DocumentModel::load(const std::function<void(Document &)> &fill)
{
    const double fps = mDoc->FPS;
    const bool wasSaved = mDoc->DocSaved;
    mDoc->reset();
    fill(*mDoc);
    SelectDocumentEncoding(mDoc->Encoding);
    mDoc->DocSaved = wasSaved;
    setModified(false);
    mSavedRevision = ++mRevision;
    ++mStamp;
    mHistory.clear(mDoc->StructChanged);
    emit documentReset();
    emit historyChanged();
    if (mDoc->FPS != fps)
        emit fpsChanged(mDoc->FPS);
}

void DocumentModel::reset()
{
    load([](Document &) {});
}

void DocumentModel::setCurrent(int index, int mode)
{
    mDoc->CurrentLine = index;
    emit currentChanged(index, mode);
}

void DocumentModel::setNames(const QString &shortName, const QString &mainCaption)
{
    mShortName = shortName;
    mMainCaption = mainCaption;
    emit captionChanged();
}

QString DocumentModel::caption() const
{
    return mDoc->DocSaved ? mMainCaption : mMainCaption + QStringLiteral(" *");
}

void DocumentModel::setModified(bool modified)
{
    if (mDoc->DocSaved != modified)
        return;
    mDoc->DocSaved = !modified;
    emit modifiedChanged(modified);
}

void DocumentModel::markModified() { setModified(true); }

void DocumentModel::checkModified()
{
    if (mStamp == mCheckedStamp && mDoc->DocSaved == mCheckedSaved)
        return;
    settleModified();
    mCheckedStamp = mStamp;
    mCheckedSaved = mDoc->DocSaved;
}

void DocumentModel::settleModified()
{
    if (mDoc->recount()) {
        markModified();
        return;
    }
    // Nothing differs: the saved copy takes the flags too, as after a save.
    // Where it holds them already there is nothing to record, and the edit's
    // copy of both arrays is spared; only rows past the end may still differ.
    if (mDoc->rowsEqualSaved())
        mDoc->markSaved();
    else
        change([](Document &d) { d.markSaved(); });
    setModified(false);
}

void DocumentModel::markWritten()
{
    mDoc->markSaved();
    ++mStamp;
    mSavedRevision = mRevision;
    mHistory.markSaved();
    setModified(false);
    emit saved();
}

} // namespace cuefold
