#include "search/find_state.h"

#include "config/language_table.h"
#include "document/document.h"

namespace cuefold {

namespace {

struct CategoryTexts {
    QByteArray LanguageTexts::*caption;
    QByteArray LanguageTexts::*noneFound;
    QByteArray LanguageTexts::*noFurther;
};

const CategoryTexts &TextsOf(FindWhat what)
{
    using T = LanguageTexts;
    static const CategoryTexts table[FindWhatCount] = {
        {&T::Find0, &T::FindNoErr, &T::FindErrDone},
        {&T::Find1, &T::FindNoRecalculated, &T::FindRecalculatedDone},
        {&T::Find2, &T::FindNoEmpty, &T::FindEmptyDone},
        {&T::Find3, &T::FindNoLocked, &T::FindLockedDone},
        {&T::Find4, &T::FindNoMarked, &T::FindMarkedDone},
        {&T::Find5, &T::FindNoChanged, &T::FindChangedDone},
        {&T::Find6, &T::FindNoErr, &T::FindErrDone},
        {&T::Find7, &T::FindNoText, &T::FindTextDone},
        {&T::Find9, &T::FindNoCrLf, &T::FindCrLfDone},
        {&T::Find8, &T::FindNoText, &T::FindTextDone},
        {&T::Find10, &T::FindNoTooFast, &T::FindTooFastDone},
        {&T::Find11, &T::FindNoSpelling, &T::FindSpellingDone},
        {&T::Find12, &T::FindNoNearShot, &T::FindNearShotDone},
    };
    return table[static_cast<int>(what)];
}

} // namespace

FindMessage UnsuccessfulMessage(bool fresh, int currentLine)
{
    return !fresh && currentLine != 1 ? FindMessage::NoFurther : FindMessage::NoneFound;
}

const QByteArray &FindMessageText(FindWhat what, FindMessage message)
{
    const CategoryTexts &t = TextsOf(what);
    return Texts.*(message == FindMessage::NoFurther ? t.noFurther : t.noneFound);
}

const QByteArray &FindWhatCaption(FindWhat what)
{
    return Texts.*TextsOf(what).caption;
}

bool ReadRowLimit(const QByteArray &text, int &limit)
{
    if (text.isEmpty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return false;
    limit = value;
    return true;
}

int FindState::dialogShown()
{
    if (FindCategory == -1)
        FindCategory = FindLastCategory < 0 ? 0 : FindLastCategory;
    FindRowLimit = -1;
    FindCancelled = true;
    return FindCategory;
}

void FindState::confirmed(int rowLimit)
{
    if (FindCategory == static_cast<int>(FindWhat::RowLimit))
        FindRowLimit = rowLimit;
    FindCancelled = false;
    FindFresh = true;
}

void FindState::dialogClosed()
{
    FindLastCategory = FindCategory;
    if (FindCancelled)
        FindCategory = -1;
}

FindResult RunFind(const Document &doc, FindState &state, const QByteArray &text, bool caseSensitive, int maxCps,
                   const Speller *speller, const ShotSnap &shots)
{
    if (state.FindCategory < 0 || state.FindCategory >= FindWhatCount)
        return {};
    const auto what = static_cast<FindWhat>(state.FindCategory);
    FindResult result;
    result.Line =
        FindNextMatch(doc, what, {text, caseSensitive, state.FindRowLimit, maxCps, speller, shots}, doc.CurrentLine);
    if (result.Line == 0) {
        result.Message = UnsuccessfulMessage(state.FindFresh, doc.CurrentLine);
        if (doc.CurrentLine == 1)
            state.FindCategory = -1;
    }
    state.FindFresh = false;
    return result;
}

} // namespace cuefold
