// The shown week of the main window as data: which rows a picked date fills, with which dates,
// labels, states, subjects and periods. The window only copies this onto its controls.
#pragma once

#include "calendar/weekrange.h"
#include "core/appstate.h"

#include <QDate>
#include <QString>
#include <array>

inline constexpr int kWeekRows = 6;    // Monday … Saturday
inline constexpr int kPeriodCount = 7; // periods 0 … 6

// hidden: no school that day, or the day lies outside the clipped week; open: "登録", editable;
// registered: "取消", locked.
enum class RowState { Hidden, Open, Registered };

struct WeekRow {
    QDate date = zeroDate(); // the zero date when the row lies outside the week
    QString label;           // "10/08(月)"; empty outside the week
    RowState state = RowState::Hidden;
    QString subjects; // the shown record's subject string, one initial per period
    QString comment;  // the shown record's event
    std::array<bool, kPeriodCount> periodShown{};
};

struct ShownWeek {
    WeekRange range;
    std::array<WeekRow, kWeekRows> rows;
};

// The record a date shows: its recorded day, else the weekly timetable's day of its weekday, else
// none. Recorded days are matched on the whole date, so days of another year never stand in.
RivoDayTime* subGetDay(const AppState& state, const QDate& date);

// The week of a picked date, clipped to the school year of intYear, with every row filled.
ShownWeek shownWeek(const AppState& state, const QDate& picked);

// The weekday of each row, Monday (row 0) to Saturday.
inline const QString kRowWeekdays = QStringLiteral("月火水木金土");

// "MM/dd(曜)" with the weekday of row 0 (Monday) … 5 (Saturday).
QString rowLabel(const QDate& date, int row);

// Accessible names of a row's controls, kept in step with its label: "10/15(月) 2時限",
// "10/15(月) 行事", "10/15(月) 登録". A row without a date is named by its weekday ("月曜日").
QString rowAccessibleName(const QString& label, int row);
QString periodAccessibleName(const QString& label, int row, int period);
QString eventAccessibleName(const QString& label, int row);
QString registerAccessibleName(const QString& label, int row, const QString& caption);
