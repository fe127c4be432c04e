#include "config/options_numbers.h"

#include "config/settings_rows.h"
#include "document/frame_text.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace cuefold {

TypedNumber ParseTypedNumber(const QByteArray &typed, const QByteArray &designText)
{
    double value = 0;
    if (ParseDecimal(typed, value))
        return {typed, value};
    ParseDecimal(designText, value);
    return {designText, value};
}

TypedNumber ParseRowNumber(const SettingRow &row, const QByteArray &typed)
{
    const TypedNumber number = ParseTypedNumber(typed, DesignText(row));
    if (!std::holds_alternative<int>(row.defaultValue))
        return number;
    const double whole = std::trunc(number.value);
    // Without clamping, the value still has to fit the setting's int.
    const bool clamped = row.outOfRange == OutOfRange::Clamped;
    const double kept = std::clamp(whole, double(clamped ? row.min : INT_MIN), double(clamped ? row.max : INT_MAX));
    if (kept != whole)
        return {QByteArray::number(int(kept)), kept};
    return {number.text, kept};
}

QByteArray SecondsText(double seconds, char decimalPoint)
{
    return TrimZeros(QByteArray::number(seconds, 'f', 3)).replace('.', decimalPoint);
}

QByteArray DesignText(const SettingRow &row)
{
    if (const int *frames = std::get_if<int>(&row.defaultValue))
        return QByteArray::number(*frames);
    return SecondsText(std::get<double>(row.defaultValue));
}

} // namespace cuefold
