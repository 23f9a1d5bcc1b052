#include "reports/printhelpers.h"

#include "platform/printer.h"

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

QString gradeClassText(int intGrade, const QString& strClass)
{
    return gradeDigit(intGrade) + QStringLiteral("年") + classText(strClass) + QStringLiteral("組");
}

void printDifference(Printer& printer, std::optional<Units> difference, int width)
{
    static const QColor kBlack(0, 0, 0);
    if (!difference) {
        // A typed plan far outside any real year: say so rather than print a wrapped figure.
        printer.setForeColor(QColor(255, 0, 0));
        printer.print(differenceText(difference, width));
        printer.setForeColor(kBlack);
        return;
    }
    const Units d = *difference;
    if (d != 0)
        printer.setForeColor(d < 0 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    printer.print(differenceText(difference, width));
    if (d != 0)
        printer.setForeColor(kBlack);
}

QString differenceText(std::optional<Units> difference, int width)
{
    return difference ? fncCtoS(*difference, width) : QStringLiteral("桁あふれ");
}

namespace {
int columnsOf(QChar c)
{
    const char16_t u = c.unicode();
    const bool halfWidth = u < 0x0100 || (u >= 0xFF61 && u <= 0xFF9F);
    return halfWidth ? 1 : 2;
}
} // namespace

int textColumns(const QString& text)
{
    int n = 0;
    for (QChar c : text)
        n += columnsOf(c);
    return n;
}

QString fitText(const QString& text, int columns)
{
    if (textColumns(text) <= columns)
        return text;
    static const QString kEllipsis(QChar(0x2026));
    QString cut;
    int used = columnsOf(kEllipsis.at(0));
    for (QChar c : text) {
        if (used + columnsOf(c) > columns)
            break;
        used += columnsOf(c);
        cut += c;
    }
    return cut + kEllipsis;
}
