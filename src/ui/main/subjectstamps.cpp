#include "ui/main/subjectstamps.h"

#include "core/subjects.h"

std::int16_t subGetIcon(const QString& initial)
{
    return subGetIcon(basicCatalogue(), initial);
}

std::int16_t subGetIcon(const Catalogue& catalogue, const QString& initial)
{
    if (initial.size() != 1)
        return -1;
    return std::int16_t(catalogue.paletteIndex(initial.at(0)));
}

PeriodStamp periodStamp(const QString& subjects, int period)
{
    return periodStamp(basicCatalogue(), subjects, period);
}

PeriodStamp periodStamp(const Catalogue& catalogue, const QString& subjects, int period)
{
    const QString c = subjects.mid(period, 1);
    if (c.isEmpty() || c.at(0) == QChar(kEmptyPeriod))
        return {};
    const std::int16_t index = subGetIcon(catalogue, c);
    if (index >= 0)
        return {QString::fromUtf16(catalogue.subjects[std::size_t(index)].name), index};
    if (c.at(0) == QChar(kSpareInitial))
        return {QStringLiteral("予備"), -1};
    return {c, -1};
}

QString subjectStringFromCaptions(const std::array<QString, 7>& captions, const QString& stored)
{
    return subjectStringFromCaptions(basicCatalogue(), captions, stored);
}

QString subjectStringFromCaptions(const Catalogue& catalogue, const std::array<QString, 7>& captions,
                                  const QString& stored)
{
    QString subjects;
    for (int j = 0; j < int(captions.size()); ++j) {
        QString initial = catalogue.SubjectInitial(captions[std::size_t(j)]);
        if (initial.isEmpty())
            initial = j < stored.size() ? stored.mid(j, 1) : QString(QChar(kEmptyPeriod));
        subjects += initial;
    }
    return subjects;
}
