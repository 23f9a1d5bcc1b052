#include "ui/main/weekview.h"

#include "calendar/dates.h"
#include "calendar/schoolday.h"

QString rowAccessibleName(const QString& label, int row)
{
    return label.isEmpty() ? kRowWeekdays.mid(row, 1) + QStringLiteral("曜日") : label;
}

RivoDayTime* subGetDay(const AppState& state, const QDate& date)
{
    for (RivoDayTime* day = state.objDayChain.get(); day; day = day->objNextDay.get())
        if (day->dateThisDay == date)
            return day;
    if (!state.objWeekTimetable)
        return nullptr;
    const int weekName = Weekday(date) - 1;
    const RivoWeekTotal& week = *state.objWeekTimetable;
    for (RivoDayTime* day = week.objFirstDay; day; day = day->objNextDay.get()) {
        if (day->intWeekName == weekName)
            return day;
        if (day == week.objLastDay)
            break;
    }
    return nullptr;
}

QString rowLabel(const QDate& date, int row)
{
    return date.toString(QStringLiteral("MM/dd")) + u'(' + kRowWeekdays.at(row) + u')';
}

ShownWeek shownWeek(const AppState& state, const QDate& picked)
{
    ShownWeek week;
    week.range = weekOfDate(picked, state.intYear);
    const int w1 = Weekday(week.range.first);
    const int w2 = Weekday(week.range.last);
    for (int i = w1; i <= w2; ++i) {
        const int r = i - 2; // Monday (2) is row 0
        if (r < 0 || r >= kWeekRows)
            continue;
        WeekRow& row = week.rows[std::size_t(r)];
        row.date = week.range.first.addDays(i - w1);
        row.label = rowLabel(row.date, r);
        if (!IsSchoolDay(state, row.date))
            continue;

        row.state = RowState::Open;
        if (const RivoDayTime* rec = subGetDay(state, row.date)) {
            row.subjects = rec->strSubject;
            row.comment = rec->strComment;
            if (rec->isRegistered())
                row.state = RowState::Registered;
        }
        // A weekday without period lengths yet shows every period.
        const QString& credit = state.strTimeCredit[std::size_t(r)];
        for (int j = 0; j < kPeriodCount; ++j)
            row.periodShown[std::size_t(j)] = !(j < credit.size() && credit.at(j) == u'0');
    }
    return week;
}

QString periodAccessibleName(const QString& label, int row, int period)
{
    return rowAccessibleName(label, row) + u' ' + QString::number(period) + QStringLiteral("時限");
}

QString eventAccessibleName(const QString& label, int row)
{
    return rowAccessibleName(label, row) + QStringLiteral(" 行事");
}

QString registerAccessibleName(const QString& label, int row, const QString& caption)
{
    return rowAccessibleName(label, row) + u' ' + caption;
}
