#include "reports/weekplansheet.h"

#include "core/appstate.h"
#include "core/subjects.h"
#include "platform/printer.h"
#include "platform/subjectpictures.h"
#include "reports/printhelpers.h"
#include "reports/scaledprinter.h"

namespace {

constexpr double kColumnWidth = 1450; // one weekday
constexpr double kRowHeight = 1650;   // one period
constexpr double kPicture = 1350;
constexpr double kRight = 10400;  // the frame's right edge
constexpr double kBottom = 14750; // the last period's lower line

QString titleOf(const AppState& state)
{
    const bool children = state.intGrade == 1 || state.intGrade == 2;
    const QString grade = gradeDigit(state.intGrade);
    const std::optional<QChar> digit = classDigit(state.strClass);
    const QString ending = children ? QStringLiteral("じかんわり") : QStringLiteral("時 間 割");
    if (digit && children)
        return grade + QStringLiteral("ねん") + *digit + QStringLiteral("くみ   ") + ending;
    return grade + QStringLiteral("年") + classText(state.strClass) + QStringLiteral("組   ") + ending;
}

QString teacherLineOf(const AppState& state)
{
    if (state.intGrade == 1 || state.intGrade == 2)
        return QStringLiteral("せんせい　　") + state.strTeacher;
    return QStringLiteral("担任　（") + state.strTeacher + QStringLiteral("）");
}

// The teacher line begins at 6000 twips and the frame ends at 10400. A name too long for 18 points
// is printed smaller, so that the line stays inside the frame; the Gothic face gives a full-width
// character one em and a half-width one half an em.
double teacherLinePoints(const QString& line)
{
    constexpr double kLeft = 6000;
    constexpr double kFrameRight = 10400;
    constexpr double kPoints = 18;
    double ems = 0;
    for (QChar c : line)
        ems += c.unicode() < 0x1100 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) ? 0.5 : 1.0;
    return std::min(kPoints, (kFrameRight - kLeft) / (ems * 20));
}

QString lengthText(const QString& digit)
{
    if (digit == QLatin1String("1"))
        return QStringLiteral("１５分");
    if (digit == QLatin1String("2"))
        return QStringLiteral("３０分");
    if (digit == QLatin1String("3"))
        return QStringLiteral("４５分");
    return QStringLiteral("６０分");
}

void lesson(const AppState& state, Printer& p, int weekName, int period, const QString& initial)
{
    const QString digit = state.strTimeCredit[static_cast<std::size_t>(weekName - 1)].mid(period, 1);
    // A subject left in a period the weekday does not have is no lesson.
    if (digit == QLatin1String("0"))
        return;
    const double x = 1750 + kColumnWidth * (weekName - 1);
    const double y = 3250 + kRowHeight * period;
    int picture = fncPictIndex(initial, state.intGrade);
    // The later subjects have a picture in the plans whose catalogue has them (any grade).
    if (picture < 0 && state.catalogue().holdsLaterInitial(initial))
        picture = state.catalogue().fieldOfInitial(initial.at(0)) == Field::gaikokugo
                      ? kSheetGaikokugo
                      : kSheetGaikokugokatsudou;
    if (picture >= 0 && picture < kAllSheetPictures) {
        p.paintPicture(sheetPicture(picture), x, y, kPicture, kPicture);
    } else {
        // 児童会, 行事, 打切り and spare time have no picture: their name stands in the cell.
        const QString name = subjectName(initial.at(0));
        p.setFontSize(18);
        p.printAt(x + 135, y + 500, name.isEmpty() ? initial : name);
    }
    p.setFontSize(10);
    p.printAt(2200 + kColumnWidth * (weekName - 1), 4600 + kRowHeight * period, lengthText(digit));
}

void grid(Printer& p)
{
    p.setDrawWidth(8);
    p.line(1000, 2500, 1000, 14744);
    p.line(10400, 2500, 10400, 14744);
    p.line(1000, 2500, 10400, 2500);
    p.line(1000, 14744, 10400, 14744);
    p.setDrawWidth(5);
    p.line(1700, 2500, 1700, 14744);
    p.line(1000, 3200, 10400, 3200);
    p.setDrawWidth(2);
    for (int i = 1; i <= 6; ++i)
        p.line(1700 + kColumnWidth * i, 2500, 1700 + kColumnWidth * i, 14744);
    for (int i = 1; i <= 7; ++i)
        p.line(1000, 3200 + kRowHeight * i, 10400, 3200 + kRowHeight * i);
}

} // namespace

PrintableArea portraitArea(const QPagedPaintDevice& device)
{
    return printableArea(device, Printer::Orientation::Portrait, kWeekPlanPage);
}

void subPrintWeekPlan(const AppState& state, Printer& printer, const PrintableArea& area)
{
    ScaledPrinter p(printer, fitFactor(area, kRight, kBottom));
    static const QString kEmpty(QChar(0x3000));
    p.setColorMode(2);
    p.setOrientation(Printer::Orientation::Portrait);
    p.setFontName(kSheetFontGothic);

    p.setFontSize(32);
    p.printAt(1000, 1000, titleOf(state));
    const QString teacher = teacherLineOf(state);
    p.setFontSize(teacherLinePoints(teacher));
    p.printAt(6000, 2000, teacher);
    p.setFontSize(18);
    for (int i = 0; i < 6; ++i)
        p.printAt(2250 + kColumnWidth * i, 2720, QStringView(u"月火水木金土").mid(i, 1).toString());
    for (int i = 0; i < 7; ++i)
        p.printAt(1170, 3800 + kRowHeight * i, QStringView(u"０１２３４５６").mid(i, 1).toString());

    const RivoWeekTotal& week = *state.objWeekTimetable;
    for (const RivoDayTime* day = week.objFirstDay; day; day = day->objNextDay.get()) {
        // A weekday outside Monday to Saturday has no column to print in.
        if (day->intWeekName >= 1 && day->intWeekName <= 6) {
            for (int period = 0; period < 7; ++period) {
                const QString c = day->strSubject.mid(period, 1);
                if (!c.isEmpty() && c != kEmpty)
                    lesson(state, p, day->intWeekName, period, c);
            }
        }
        if (day == week.objLastDay)
            break;
    }

    grid(p);
    p.endDoc();
}
