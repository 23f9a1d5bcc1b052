#include "ui/wizard/holidayboxes.h"

#include <limits>

HolidayBoxOffer holidayBoxOffer(int box)
{
    static constexpr std::array<HolidayBoxOffer, kHolidayBoxCount> offers = {{
        {2, 11},  // 0: end of the April vacation
        {18, 30}, // 1: start of the summer vacation, July
        {18, 29}, // 2: start of the winter vacation, December
        {15, 29}, // 3: start of the March vacation
        {21, 23}, // 4: autumn equinox, September
        {17, 31}, // 5: end of the summer vacation, August
        {0, -1},  // 6: no such box
        {20, 21}, // 7: vernal equinox, March
        {2, 28},  // 8: end of the winter vacation, January
    }};
    return box >= 0 && box < kHolidayBoxCount ? offers[static_cast<std::size_t>(box)]
                                              : HolidayBoxOffer{0, -1};
}

std::optional<int> dayBoxNumber(const QString& text)
{
    // Typed with the input method on, digits come full-width.
    const QString plain = text.normalized(QString::NormalizationForm_KC).trimmed();
    bool ok = false;
    const int n = plain.toInt(&ok);
    if (!ok || n < std::numeric_limits<std::int16_t>::min() || n > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return n;
}

HolidayBoxes holidayBoxesFromTexts(const std::array<QString, kHolidayBoxCount>& texts)
{
    HolidayBoxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (i != 6)
            boxes[i] = dayBoxNumber(texts[i]);
    return boxes;
}
