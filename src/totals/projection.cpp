#include "totals/projection.h"

#include "calendar/dates.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "totals/weektotals.h"

QString planRowCaption(Field field)
{
    switch (field) {
    case Field::kurabu: return QStringLiteral("ｸﾗﾌﾞ");
    case Field::gakkougyouji: return QStringLiteral("行事");
    case Field::uchikiri: return QStringLiteral("打切");
    case Field::yobi: return QStringLiteral("予備");
    default: return fieldLabel(field);
    }
}

ProjectionTable projectPlan(const AppState& state)
{
    // School days per column (terms 1–3, year) and weekday (0 = Sunday).
    std::array<std::array<int, 7>, 4> days{};
    const QDate april1 = DateSerial(state.intYear, 4, 1);
    for (int i = 0; i <= 364; ++i) {
        const QDate d = april1.addDays(i);
        if (!IsSchoolDay(state, d))
            continue;
        const int w = Weekday(d) - 1;
        days[3][static_cast<std::size_t>(w)] = add16(days[3][static_cast<std::size_t>(w)], 1);
        auto& termRow = days[static_cast<std::size_t>(termOfMonth(d.month()) - 1)];
        termRow[static_cast<std::size_t>(w)] = add16(termRow[static_cast<std::size_t>(w)], 1);
    }

    const Catalogue& catalogue = state.catalogue();
    // Units each subject gets on one Monday … Saturday of the timetable.
    std::array<UnitCounts, 7> perWeekday{};
    const RivoDayTime* day = state.objWeekTimetable ? state.objWeekTimetable->objFirstDay : nullptr;
    for (int n = 1; n <= 6 && day; ++n, day = day->objNextDay.get())
        sumDays(perWeekday[static_cast<std::size_t>(n)], day, day, state.strTimeCredit, catalogue);

    const std::vector<Field>& rows = catalogue.planRows;
    ProjectionTable table(rows.size() + 1);
    for (std::size_t t = 0; t < 4; ++t) {
        Units total = 0;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            Units value = 0;
            if (rows[row] != Field::yobi) // the timetable plans no spare time
                for (std::size_t n = 1; n <= 6; ++n)
                    value = add16(value, mul16(days[t][n], perWeekday[n][rows[row]]));
            table[row][t] = value;
            total = add16(total, value);
        }
        table[rows.size()][t] = total;
    }
    return table;
}
