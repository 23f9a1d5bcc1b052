#include "ui/main/subjectstamps.h"

#include "core/subjects.h"

namespace {
const QString kInitials = QString::fromUtf16(kSubjectInitials);
} // namespace

std::int16_t subGetIcon(const QString& initial)
{
    if (initial.size() != 1)
        return -1;
    return std::int16_t(kInitials.indexOf(initial));
}

PeriodStamp periodStamp(const QString& subjects, int period)
{
    const QString c = subjects.mid(period, 1);
    if (c.isEmpty() || c.at(0) == QChar(kEmptyPeriod))
        return {};
    const std::int16_t index = subGetIcon(c);
    if (index >= 0)
        return {QString::fromUtf16(kSubjects[std::size_t(index)].name), index};
    if (c.at(0) == QChar(kSpareInitial))
        return {QStringLiteral("予備"), -1};
    return {c, -1};
}

QString subjectStringFromCaptions(const std::array<QString, 7>& captions, const QString& stored)
{
    QString subjects;
    for (int j = 0; j < int(captions.size()); ++j) {
        QString initial = SubjectInitial(captions[std::size_t(j)]);
        if (initial.isEmpty())
            initial = j < stored.size() ? stored.mid(j, 1) : QString(QChar(kEmptyPeriod));
        subjects += initial;
    }
    return subjects;
}
