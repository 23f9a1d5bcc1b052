#include "core/units.h"

#include "core/mirteerror.h"

#include <QLocale>
#include <cmath>
#include <limits>

std::int16_t checked16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw OverflowError(QStringLiteral("値 %1 が範囲（-32768～32767）を超えています。").arg(value));
    return static_cast<std::int16_t>(value);
}

QString UnitsToText(Units units)
{
    const int value = units;
    const int m = std::abs(value);
    const QString text = QStringLiteral("%1.%2").arg(m / 3).arg(m % 3);
    return value < 0 ? QLatin1Char('-') + text : text;
}

static QString unreadable(const QString& text)
{
    return QStringLiteral("「%1」は時数として読めません。").arg(text);
}

Units TextToUnits(const QString& text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        if (dot != text.size() - 2)
            return 0;
        const QString whole = text.left(dot).trimmed();
        bool ok = false;
        const long long hours = whole.toLongLong(&ok);
        if (!ok)
            throw ConversionError(unreadable(text));
        checked16(hours);
        const QChar digit = text.at(dot + 1);
        if (!digit.isDigit() || digit.unicode() > u'9')
            throw ConversionError(unreadable(text));
        const long long magnitude = std::llabs(hours) * 3 + (digit.unicode() - u'0');
        return checked16(whole.startsWith(QLatin1Char('-')) ? -magnitude : magnitude);
    }
    bool ok = false;
    const double hours = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(hours))
        throw ConversionError(unreadable(text));
    const double units = std::nearbyint(hours * 3.0); // ties to even, the default rounding mode
    if (units < std::numeric_limits<std::int16_t>::min() || units > std::numeric_limits<std::int16_t>::max())
        throw OverflowError(QStringLiteral("「%1」は大きすぎます。").arg(text));
    return static_cast<Units>(units);
}
