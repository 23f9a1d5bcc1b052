// One day of the class: its date, the subject of each period, its event, and whether it counts.
// Days form singly linked lists that own their successors; a list starts with a blank head.
#pragma once

#include "core/zerodate.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

struct RivoDayTime {
    std::int16_t intThisDay = 0;    // day-of-year of dateThisDay; the lookup key
    QDate dateThisDay = zeroDate(); // 日付
    std::int16_t intWeekName = 0;   // 曜日: 0 = Sunday … 6 = Saturday
    QString strSubject;             // 教科: one initial per period 0–6, "　" for an empty period
    bool boolNowPlanning = false; // 計画中／実施済み？ true = registration withdrawn, counts nowhere
    QString strComment;           // 行事
    std::unique_ptr<RivoDayTime> objNextDay; // 翌日
    bool boolWeekEnd = false;                // 週の最終日を示す
    bool boolWorkDay = false;                // 稼働日／休日フラグ

    RivoDayTime() = default;
    RivoDayTime(const RivoDayTime&) = delete;
    RivoDayTime& operator=(const RivoDayTime&) = delete;
    // Long lists are released one record at a time, never by recursion.
    ~RivoDayTime();

    // Called on a head: whether the list after it holds a registered record for sDay.
    // Dates are compared whole, so a day in January to March is found like any other.
    bool searchDay(const QDate& sDay) const;

    // Called on a head: inserts in ascending date order, replacing a record of the same date.
    void appendDay(std::unique_ptr<RivoDayTime> objInsertDay);

    // A registered day counts in the results.
    bool isRegistered() const { return boolWorkDay && !boolNowPlanning; }
};

// A day for the list of recorded days: its key and weekday follow from the date, and it is
// registered unless `cancelled` (a withdrawn registration stays in the list but counts nowhere).
std::unique_ptr<RivoDayTime> makeRecordedDay(const QDate& date, const QString& subjects,
                                             const QString& comment = {}, bool cancelled = false);

// Number of records after a head.
int countDays(const RivoDayTime& head);
