#include "operations/bulk_report.h"

#include "config/language_table.h"

namespace cuefold {

namespace {

struct ReportTexts {
    QByteArray LanguageTexts::*forms[3];
    int blanks;
};

const ReportTexts &TextsOf(ReportKind kind)
{
    static const ReportTexts table[] = {
        {{&LanguageTexts::Sub1chg, &LanguageTexts::Sub2chg, &LanguageTexts::Sub3chg}, 1},
        {{&LanguageTexts::Sub1oor, &LanguageTexts::Sub2oor, &LanguageTexts::Sub3oor}, 2},
        {{&LanguageTexts::Sub1cut, &LanguageTexts::Sub2cut, &LanguageTexts::Sub3cut}, 2},
        {{&LanguageTexts::Sub1shr, &LanguageTexts::Sub2shr, &LanguageTexts::Sub3shr}, 2},
        {{&LanguageTexts::Sub1lrg, &LanguageTexts::Sub2lrg, &LanguageTexts::Sub3lrg}, 2},
    };
    return table[static_cast<int>(kind)];
}

} // namespace

int PluralForm(int n)
{
    if (n == 1)
        return 1;
    return n >= 2 && n <= 4 ? 2 : 3;
}

QByteArray CountReport(ReportKind kind, int n)
{
    const ReportTexts &t = TextsOf(kind);
    return QByteArray::number(n) + QByteArray(t.blanks, ' ') + Texts.*t.forms[PluralForm(n) - 1];
}

QByteArray ReadingSpeedReport(int cut, int shortened, int lengthened)
{
    QByteArray report;
    if (cut > 0)
        report += CountReport(ReportKind::Cut, cut) + '\r';
    if (shortened > 0)
        report += CountReport(ReportKind::Shortened, shortened) + '\r';
    if (lengthened > 0)
        report += CountReport(ReportKind::Lengthened, lengthened);
    return report;
}

QByteArray OverlapsLeftReport(const std::vector<int> &left)
{
    if (left.empty())
        return {};
    return QByteArray(Texts.OverlapsLeft)
        .replace("%1", QByteArray::number(qsizetype(left.size())))
        .replace("%2", QByteArray::number(left.front()));
}

QByteArray OverlapRepairQuestion(int overlapCount, const std::vector<int> &left)
{
    const QByteArray leftReport = OverlapsLeftReport(left);
    return Texts.OverlapsReport1 + ' ' + QByteArray::number(overlapCount) + '\r'
           + (leftReport.isEmpty() ? leftReport : leftReport + '\r') + Texts.OverlapsReport2;
}

} // namespace cuefold
