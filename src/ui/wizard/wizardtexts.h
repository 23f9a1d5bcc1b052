// Texts the wizard's pages compose from numbers: weekday and period headings, the names that tell
// a screen reader which period a control stands for, and the counting labels.
#pragma once

#include "core/units.h"

#include <QString>

// 0 = Monday … 5 = Saturday: "月" … "土".
QString weekdayHeading(int weekday);
// Period 0 … 6 as a row heading: "０" … "６".
QString periodHeading(int period);
// "月曜 2時限".
QString periodName(int weekday, int period);

// Holiday calendar page: term 1 to 3, or 0 for the year: "１学期の授業日数　71日", "年間の授業日数　203日".
QString schoolDaysLabel(int term, int days);

// Weekly timetable page, palette index 0 to 12: "国語　　5.0 時間".
QString weekTimeLabel(int paletteIndex, Units units);
// The same for any subject by its name ("外国語　" + hours).
QString weekTimeLabel(const QString& subjectName, Units units);
