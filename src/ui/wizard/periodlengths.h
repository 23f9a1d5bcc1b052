// The entries of the period-length page and the digits of the period-length strings they stand for.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

inline constexpr int kPeriodLengthEntries = 5; // なし, 15, 30, 45 and 60 minutes

// "なし", "１５分", "３０分", "４５分", "６０分".
const QStringList& periodLengthTexts();

// The entry a period shows: the digit of the string; a missing or unreadable character is "なし",
// a digit above 4 (only a plan file can hold one) is the longest entry.
int periodLengthEntry(const QString& timeCredit, int period);

// The seven-digit string of seven entries; an entry outside 0 to 4 stores 0.
QString timeCreditOfEntries(const std::array<int, 7>& entries);
