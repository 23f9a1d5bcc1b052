// Writes a PNG of every wizard page over a filled-in plan, to look at what a teacher sees:
//   QT_QPA_PLATFORM=offscreen wizard_screenshots <folder>
#include "calendar/nationalholidays.h"
#include "core/appstate.h"
#include "core/clock.h"
#include "core/plandefaults.h"
#include "platform/japanese.h"
#include "platform/lazyprinter.h"
#include "platform/placementstore.h"
#include "platform/printer.h"
#include "platform/qtdialogs.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    installFontSubstitutions();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.absolutePath());

    AppState state;
    InitPlanDefaults(state);
    state.intYear = 2004;
    state.intGrade = 5;
    state.strClass = QStringLiteral("2");
    state.strTeacher = QStringLiteral("山本 花子");
    applyHolidayRules(state, computeHolidayRules(2004, initialHolidayBoxes(),
                                                 SaturdayRule::SecondAndFourthOff, holidayRulesOf(state)));
    const std::array<QString, 6> week = {QStringLiteral("　国算理社体　"), QStringLiteral("　国国算音図学"),
                                         QStringLiteral("　道算国理総　"), QStringLiteral("　国社算体ク　"),
                                         QStringLiteral("　国算社総家体"), QStringLiteral("　国算　　　　")};
    std::copy_n(defaultTimeCredit(5).begin(), 6, state.strTimeCredit.begin());
    RivoDayTime* day = state.objWeekTimetable->objFirstDay;
    for (const QString& subjects : week) {
        day->strSubject = subjects;
        day = day->objNextDay.get();
    }
    state.objYearBase->kokugo = 525;
    state.objYearPlan->terms()[0]->kokugo = 180;
    state.objYearPlan->terms()[1]->kokugo = 210;
    state.objYearPlan->terms()[2]->kokugo = 130;

    QtDialogs dialogs;
    FixedClock clock(QDate(2004, 5, 10));
    PlacementStore placement;
    LazyPrinter printer;
    WindowActivation activation;
    Services services{
        dialogs, clock, placement, printer, [](QPrinter&) { return std::unique_ptr<Printer>(); }, activation};
    Wizard wizard(state, services);

    const std::array<const char*, 7> names = {
        "0-start",          "1-class",     "2-holiday-rules", "3-holiday-calendar",
        "4-period-lengths", "5-timetable", "6-annual-plan"};
    for (int step = 0; step < 7; ++step) {
        wizard.show(static_cast<Wizard::Step>(step));
        QWidget* page = wizard.page(static_cast<Wizard::Step>(step));
        QApplication::processEvents();
        const QString path = folder.filePath(QStringLiteral("%1.png").arg(QLatin1String(names[step])));
        if (!page->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s %dx%d\n", qPrintable(path), page->width(), page->height());
        page->hide();
    }
    return 0;
}
