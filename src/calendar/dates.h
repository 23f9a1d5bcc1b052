// Date arithmetic as the plan counts it: weekdays Sunday = 1 … Saturday = 7, day-of-year, and
// dates composed from numbers that may overflow their month.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// Sunday = 1 … Saturday = 7.
int Weekday(const QDate& date);

// 1 January = 1.
std::int16_t DayOfYear(const QDate& date);

// The date of year, month and day, rolling overflowing months and days into the next ones
// (31 April is 1 May, day 0 is the last day of the previous month, month 13 is January of the
// next year). Years 0–29 are 2000–2029 and 30–99 are 1930–1999.
QDate DateSerial(int year, int month, int day);

// The school year as the teacher names it: 2001 → "平成13年度", 2019 → "令和元年度", 2026 →
// "令和8年度"; a year before 平成 as "1985年度".
QString schoolYearName(int year);

// The n-th (1 or more) Monday of a month.
QDate nthMonday(int year, int month, int n);
