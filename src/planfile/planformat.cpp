#include "planfile/planformat.h"

QString smallNumberText(int value)
{
    // The sign takes the place of the leading space, so both forms have the digits in one column.
    const QString digits = QString::number(value < 0 ? -static_cast<long long>(value) : value);
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

QString unitCountText(std::int16_t value)
{
    return smallNumberText(value) + QLatin1Char(' ');
}

QStringView weekdayName(int index)
{
    static const char16_t* const kNames[6] = {u"月曜日", u"火曜日", u"水曜日",
                                              u"木曜日", u"金曜日", u"土曜日"};
    return QStringView(kNames[index]);
}
