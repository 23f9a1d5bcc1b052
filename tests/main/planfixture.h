// A small plan for the main window's tests: a grade-3 class with plain vacations, the second and
// fourth Saturdays off, Sports Day as the one extra holiday and a weekly timetable.
#pragma once

#include "core/appstate.h"

#include <QDate>
#include <QString>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QDate& date, std::ostream* os)
{
    *os << date.toString(Qt::ISODate).toStdString();
}

// The weekly timetable's subjects, Monday to Saturday.
inline const QString kTimetable[6] = {
    QStringLiteral("　国社理音体　"), QStringLiteral("　国算音図図　"), QStringLiteral("　国算理体道　"),
    QStringLiteral("　国社算音学　"), QStringLiteral("　国算社体総　"), QStringLiteral("　国算　　　　"),
};

// Vacations 1–5 April, 21 July – 31 August, 25 December – 7 January, 25–31 March.
void makePlan(AppState& state, int year);

// A registered (or, with cancelled, withdrawn) day as the list of recorded days holds it.
void addDay(AppState& state, const QDate& date, const QString& subjects, const QString& comment = {},
            bool cancelled = false);

// Every record of the list after its head.
int recordCount(const AppState& state);
const RivoDayTime* recordOf(const AppState& state, const QDate& date);
