#include "config/options_numbers.h"

#include "config/settings_rows.h"
#include "document/frame_text.h"

#include <algorithm>
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

int SaneDelayFrames(double value)
{
    return static_cast<int>(std::clamp(std::trunc(value), double(-MaxDelayFrames), double(MaxDelayFrames)));
}

TypedNumber ParseDelayFrames(const QByteArray &typed, const QByteArray &designText)
{
    const TypedNumber number = ParseTypedNumber(typed, designText);
    const int gap = SaneDelayFrames(number.value);
    if (gap != std::trunc(number.value))
        return {QByteArray::number(gap), double(gap)};
    return {number.text, double(gap)};
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
