#include "ui/wizard/timetablerules.h"

#include "core/subjects.h"

int subGetSubject(QChar initial)
{
    return subGetSubject(basicCatalogue(), initial);
}

int subGetSubject(const Catalogue& catalogue, QChar initial)
{
    return static_cast<int>(catalogue.timetableInitials.indexOf(initial));
}

PeriodLook periodLook(QChar initial)
{
    return periodLook(basicCatalogue(), initial);
}

PeriodLook periodLook(const Catalogue& catalogue, QChar initial)
{
    if (initial.unicode() == kEmptyPeriod || initial.isNull())
        return {};
    if (initial.unicode() == kSpareInitial)
        return {QStringLiteral("予備"), -1};
    const QString name = catalogue.subjectName(initial);
    if (name.isEmpty())
        return {QString(initial), -1};
    return {name, subGetSubject(catalogue, initial)};
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
