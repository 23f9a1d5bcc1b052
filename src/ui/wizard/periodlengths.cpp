#include "ui/wizard/periodlengths.h"

const QStringList& periodLengthTexts()
{
    static const QStringList texts = {QStringLiteral("なし"), QStringLiteral("１５分"),
                                      QStringLiteral("３０分"), QStringLiteral("４５分"),
                                      QStringLiteral("６０分")};
    return texts;
}

int periodLengthEntry(const QString& timeCredit, int period)
{
    if (period < 0 || period >= timeCredit.size())
        return 0;
    const QChar c = timeCredit.at(period);
    if (c < u'0' || c > u'9')
        return 0;
    return std::min(int(c.unicode() - u'0'), kPeriodLengthEntries - 1);
}

QString timeCreditOfEntries(const std::array<int, 7>& entries)
{
    QString credit;
    for (int entry : entries)
        credit += QChar(u'0' + (entry >= 0 && entry < kPeriodLengthEntries ? entry : 0));
    return credit;
}
