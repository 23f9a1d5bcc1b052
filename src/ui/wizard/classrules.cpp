#include "ui/wizard/classrules.h"

#include "calendar/dates.h"

#include <limits>

QString yearEntryText(int entry)
{
    return schoolYearName(kFirstOfferedYear + entry);
}

int yearEntryOfYear(int year)
{
    const int entry = year - kFirstOfferedYear;
    return entry >= 0 && entry < kOfferedYears ? entry : -1;
}

std::int16_t gradeFromText(const QString& text)
{
    bool ok = false;
    const int grade = text.trimmed().toInt(&ok);
    if (!ok || grade < std::numeric_limits<std::int16_t>::min() ||
        grade > std::numeric_limits<std::int16_t>::max())
        return 1;
    return static_cast<std::int16_t>(grade);
}

QString withoutLineBreaks(const QString& text)
{
    QString line = text;
    line.removeIf([](QChar c) {
        return c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator || c == u'\u0085';
    });
    return line;
}
