// screenshots_main OUTDIR [PLAN.rv]: the main window with a plan open (the example plan unless
// another is named; a plan built here when there is none), with each of its menus open, the help
// window and the splash window, as PNG files.
#include "calendar/schoolday.h"
#include "planfile/planfile.h"
#include "planfixture.h"
#include "platform/monthcalendar.h"
#include "platform/recordingprinter.h"
#include "ui/common/quietservices.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/main/frmmain.h"
#include "ui/main/frmsplash.h"
#include "ui/wizard/wizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

namespace {

bool save(QWidget* w, const QDir& dir, const QString& name)
{
    QApplication::processEvents();
    const QString path = dir.filePath(name);
    const bool ok = w->grab().save(path);
    QTextStream(ok ? stdout : stderr) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}

void clickDate(MonthCalendar* calendar, const QDate& date)
{
    calendar->setDisplayedDate(date);
    QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->dayRect(date).center());
}

template <typename T> T* find(QWidget* w, const QString& name)
{
    return w->findChild<T*>(name);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: screenshots_main OUTDIR [PLAN.rv]\n";
        return 2;
    }
    QDir out(args.at(1));
    out.mkpath(QStringLiteral("."));

    AppState state;
    const QString plan =
        args.size() > 2 ? args.at(2) : QStringLiteral(MIRTE_SOURCE_DIR "/examples/sample.rv");
    if (QFileInfo::exists(plan)) {
        makePlan(state, 2001);
        LoadPlanFile(state, plan);
        QTextStream(stdout) << "plan " << plan << '\n';
    } else {
        makePlan(state, 2001);
        for (QDate d(2001, 4, 6); d <= QDate(2001, 10, 16); d = d.addDays(1))
            if (IsSchoolDay(state, d))
                addDay(state, d, kTimetable[d.dayOfWeek() - 1]);
        QTextStream(stdout) << "plan built in code (no " << plan << ")\n";
    }
    state.boolStartWizard = false;

    QuietServices quiet(QDateTime(QDate(state.intYear, 10, 17), QTime(10, 25)));
    quiet.quietDialogs.echoMessages = true;
    Services& services = quiet.services;
    WindowActivation& activation = quiet.activation;
    Wizard wizard(state, services);
    frmMain window(state, services, wizard);
    window.Form_Load();
    activation.show(&window);

    bool ok = save(&window, out, QStringLiteral("main-today.png"));

    // A week being recorded: one subject picked and stamped, an event typed, a day registered.
    clickDate(find<MonthCalendar>(&window, QStringLiteral("MonthView1")), QDate(state.intYear, 10, 24));
    QTest::mouseClick(find<QAbstractButton>(&window, QStringLiteral("cmdSubject_15")), Qt::LeftButton);
    QTest::mouseClick(find<QAbstractButton>(&window, QStringLiteral("cmdWed_3")), Qt::LeftButton);
    QTest::mouseClick(find<QAbstractButton>(&window, QStringLiteral("cmdSubject_14")), Qt::LeftButton);
    QTest::mouseClick(find<QAbstractButton>(&window, QStringLiteral("cmdWed_4")), Qt::LeftButton);
    QTest::mouseClick(find<QAbstractButton>(&window, QStringLiteral("cmdWed_5")), Qt::LeftButton);
    find<QComboBox>(&window, QStringLiteral("Combo3"))->setEditText(QStringLiteral("新一年入学説明会"));
    QTest::mouseClick(find<QAbstractButton>(&window, QStringLiteral("Command2")), Qt::LeftButton);
    ok = save(&window, out, QStringLiteral("main-recording.png")) && ok;

    // Each menu open over the window: the popup is a window of its own, so it is painted onto the
    // main window's picture where it stands.
    QMenuBar* bar = window.menuBar();
    const QStringList menus = {QStringLiteral("mnuFile"), QStringLiteral("mnuEdit"),
                               QStringLiteral("mnuView"), QStringLiteral("mnuHelp")};
    for (const QString& name : menus) {
        auto* menu = find<QMenu>(&window, name);
        bar->setActiveAction(menu->menuAction());
        menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
        QApplication::processEvents();
        QPixmap picture = window.grab();
        {
            QPainter painter(&picture);
            const QPoint at = window.mapFromGlobal(menu->mapToGlobal(QPoint()));
            painter.drawPixmap(at, menu->grab());
        }
        menu->hide();
        bar->setActiveAction(nullptr);
        const QString path = out.filePath(QStringLiteral("main-menu-%1.png").arg(name.mid(3).toLower()));
        const bool saved = picture.save(path);
        QTextStream(saved ? stdout : stderr) << (saved ? "wrote " : "could not write ") << path << '\n';
        ok = saved && ok;
    }

    // The help window, as the help menu opens it.
    find<QAction>(&window, QStringLiteral("mnuHelpContents"))->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmHelp") && w->isVisible())
            ok = save(w, out, QStringLiteral("help.png")) && ok;

    frmSplash splash;
    splash.show();
    ok = save(&splash, out, QStringLiteral("splash.png")) && ok;
    return ok ? 0 : 1;
}
