// Unit counts (15-minute units, 16-bit, checked) and their hour text L.r.
#pragma once

#include <QString>
#include <cstdint>

using Units = std::int16_t;

// The one way to narrow a computed value to 16 bits: out of range throws OverflowError.
std::int16_t checked16(long long value);
inline std::int16_t add16(long long a, long long b)
{
    return checked16(a + b);
}
inline std::int16_t sub16(long long a, long long b)
{
    return checked16(a - b);
}
inline std::int16_t mul16(long long a, long long b)
{
    return checked16(a * b);
}

// 97 → "32.1", -4 → "-1.1".
QString UnitsToText(Units units);

// "32.1" → 97, "32" → 96, "-1.1" → -4 (the sign belongs to the whole value).
// A text whose first dot is not its second-to-last character gives 0.
// Throws ConversionError for an unreadable number, OverflowError outside 16 bits.
Units TextToUnits(const QString& text);
