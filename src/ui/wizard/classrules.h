// The class page's conversions between the state and its boxes, kept free of widgets.
#pragma once

#include <QString>
#include <cstdint>

inline constexpr int kFirstOfferedYear = 2000; // 平成12年度
inline constexpr int kOfferedYears = 31;       // up to 令和12年度 (2030)

// "平成12年度" for entry 0 … "平成30年度", "令和元年度" (entry 19) … "令和12年度" for entry 30.
QString yearEntryText(int entry);
// The entry of a stored school year, or -1 when the list has none for it (0, 1999, 2031, …).
int yearEntryOfYear(int year);

// The stored grade for the grade box's text: its number, or 1 when the box is empty or holds no
// 16-bit whole number.
std::int16_t gradeFromText(const QString& text);

// A one-line value: CR, LF and the other line and paragraph separators are taken out.
QString withoutLineBreaks(const QString& text);
