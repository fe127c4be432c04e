#include "document/document_model.h"

namespace cuefold {

DocumentModel::DocumentModel()
    : mDoc(std::make_unique<Document>())
{
}

DocumentModel::~DocumentModel() = default;

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
