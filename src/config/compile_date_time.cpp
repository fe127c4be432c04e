#include "config/compile_date_time.h"

#include <QLocale>

namespace cuefold {

QDateTime CompileDateTime()
{
    // __DATE__ is "Mmm dd yyyy" with a blank before a one-digit day.
    const QDate date = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    const QTime time = QTime::fromString(QStringLiteral(__TIME__), QStringLiteral("HH:mm:ss"));
    return QDateTime(date, time);
}

} // namespace cuefold
