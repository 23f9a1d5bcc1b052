#include "reports/printhelpers.h"

namespace {
// The sheet pictures 0–12 in this order; 12 onwards are the hiragana versions.
constexpr QStringView kPictureInitials = u"国社算理音図家体総道学ク生";
constexpr int kSeikatsu = 12;
constexpr int kSeikatsuHiragana = 14;
} // namespace

QString fncItoS(std::int16_t value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char(' '));
}

QString fncCtoS(Units value, int width)
{
    return UnitsToText(value).rightJustified(width, QLatin1Char(' '));
}

int fncPictIndex(const QString& initial, int intGrade)
{
    const int k = initial.size() == 1 ? static_cast<int>(kPictureInitials.indexOf(initial.at(0))) : -1;
    if (k < 0)
        return -1;
    if (intGrade >= 3) {
        // 生活 has only the hiragana picture; slot 12 would print こくご.
        return k == kSeikatsu ? kSeikatsuHiragana : k;
    }
    // Hiragana pictures for the lower grades; subjects without one keep the upper grades' picture.
    static constexpr int kLowerGrades[] = {12, 1, 13, 3, 15, 16, 6, 17, 8, 18, 19, 11, 14};
    return kLowerGrades[k];
}

QString gradeDigit(int intGrade)
{
    if (intGrade < 1 || intGrade > 6)
        return {};
    return QString(QChar(u'０' + intGrade));
}

std::optional<QChar> classDigit(const QString& strClass)
{
    bool ok = false;
    const int n = strClass.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 9)
        return std::nullopt;
    return QChar(u'０' + n);
}

QString classText(const QString& strClass)
{
    const std::optional<QChar> digit = classDigit(strClass);
    return digit ? QString(*digit) : strClass;
}
