#include "planfile/planformat.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

NumberFault parseNumber(QStringView text, std::int16_t& value)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == u'-' || text[begin] == u'+')) {
        negative = text[begin] == u'-';
        ++begin;
    }
    if (begin == end)
        return NumberFault::NotANumber;
    long long magnitude = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return NumberFault::NotANumber;
        if (magnitude <= 32768) // further digits only make it larger; stop before it can wrap
            magnitude = magnitude * 10 + (c - u'0');
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < -32768 || signedValue > 32767)
        return NumberFault::OutOfRange;
    value = static_cast<std::int16_t>(signedValue);
    return NumberFault::None;
}

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
