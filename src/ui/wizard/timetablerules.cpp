#include "ui/wizard/timetablerules.h"

#include "core/subjects.h"

int subGetSubject(QChar initial)
{
    for (int i = 0; i < kPaletteSize; ++i)
        if (kPaletteInitials[i] == initial.unicode())
            return i;
    return -1;
}

PeriodLook periodLook(QChar initial)
{
    if (initial.unicode() == kEmptyPeriod || initial.isNull())
        return {};
    if (initial.unicode() == kSpareInitial)
        return {QStringLiteral("予備"), -1};
    const QString name = subjectName(initial);
    if (name.isEmpty())
        return {QString(initial), -1};
    return {name, subGetSubject(initial)};
}

QChar periodInitial(const QString& strSubject, int period)
{
    if (period < 0 || period >= strSubject.size())
        return QChar(kEmptyPeriod);
    return strSubject.at(period);
}

QString daySubjects(const std::array<QChar, 7>& initials)
{
    QString day;
    for (QChar c : initials)
        day += c.isNull() ? QChar(kEmptyPeriod) : c;
    return day;
}
