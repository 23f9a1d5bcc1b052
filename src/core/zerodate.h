// The zero date, 30 December 1899: an unset date, and the date of a list's blank head.
#pragma once

#include <QDate>

inline QDate zeroDate()
{
    return QDate(1899, 12, 30);
}
inline bool isZeroDate(const QDate& date)
{
    return date == zeroDate();
}
