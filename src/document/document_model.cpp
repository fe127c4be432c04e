#include "document/document_model.h"

namespace cuefold {

DocumentModel::DocumentModel()
    : mDoc(std::make_unique<Document>())
{
}

DocumentModel::~DocumentModel() = default;

void DocumentModel::touchRows(int first, int last)
{
    if (mBatchDepth == 0) {
        emit rowsChanged(first, last);
        return;
    }
    if (mBatchFirst > mBatchLast) {
        mBatchFirst = first;
        mBatchLast = last;
        return;
    }
    mBatchFirst = qMin(mBatchFirst, first);
    mBatchLast = qMax(mBatchLast, last);
}

DocumentModel::RowBatch::RowBatch(DocumentModel &model)
    : mModel(model)
{
    ++mModel.mBatchDepth;
}

DocumentModel::RowBatch::~RowBatch()
{
    if (--mModel.mBatchDepth > 0 || mModel.mBatchFirst > mModel.mBatchLast)
        return;
    const int first = mModel.mBatchFirst;
    const int last = mModel.mBatchLast;
    mModel.mBatchFirst = 0;
    mModel.mBatchLast = -1;
    emit mModel.rowsChanged(first, last);
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

void DocumentModel::markModified()
{
    if (!mDoc->DocSaved)
        return;
    mDoc->DocSaved = false;
    emit modifiedChanged(true);
}

void DocumentModel::markSaved()
{
    const bool wasModified = !mDoc->DocSaved;
    mDoc->markSaved();
    if (wasModified)
        emit modifiedChanged(false);
    emit saved();
}

void DocumentModel::checkModified()
{
    if (mDoc->recount())
        markModified();
    else
        markSaved();
}

} // namespace cuefold
