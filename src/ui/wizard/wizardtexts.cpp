#include "ui/wizard/wizardtexts.h"

#include <array>

QString weekdayHeading(int weekday)
{
    static const std::array<QString, 6> names = {QStringLiteral("月"), QStringLiteral("火"),
                                                 QStringLiteral("水"), QStringLiteral("木"),
                                                 QStringLiteral("金"), QStringLiteral("土")};
    return weekday >= 0 && weekday < 6 ? names[static_cast<std::size_t>(weekday)] : QString();
}

QString periodHeading(int period)
{
    return QString(QChar(char16_t(u'０' + period)));
}

QString periodName(int weekday, int period)
{
    return QStringLiteral("%1曜 %2時限").arg(weekdayHeading(weekday)).arg(period);
}

QString schoolDaysLabel(int term, int days)
{
    static const std::array<QString, 4> prefixes = {
        QStringLiteral("年間の授業日数　"), QStringLiteral("１学期の授業日数　"),
        QStringLiteral("２学期の授業日数　"), QStringLiteral("３学期の授業日数　")};
    return prefixes[static_cast<std::size_t>(term)] + QString::number(days) + QStringLiteral("日");
}

QString weekTimeLabel(const QString& subjectName, Units units)
{
    // The name filled with ideographic spaces to four characters, as the sixteen subjects' labels are;
    // a longer name (外国語活動) still keeps one space before its hours.
    QString prefix = subjectName + QChar(0x3000);
    while (prefix.size() < 4)
        prefix += QChar(0x3000);
    return prefix + UnitsToText(units) + QStringLiteral(" 時間");
}

QString weekTimeLabel(int paletteIndex, Units units)
{
    static const std::array<QString, 13> prefixes = {
        QStringLiteral("総合　　"), QStringLiteral("国語　　"), QStringLiteral("社会　　"),
        QStringLiteral("算数　　"), QStringLiteral("理科　　"), QStringLiteral("生活　　"),
        QStringLiteral("音楽　　"), QStringLiteral("図工　　"), QStringLiteral("家庭　　"),
        QStringLiteral("体育　　"), QStringLiteral("道徳　　"), QStringLiteral("学活　　"),
        QStringLiteral("クラブ　")};
    return prefixes[static_cast<std::size_t>(paletteIndex)] + UnitsToText(units) + QStringLiteral(" 時間");
}
