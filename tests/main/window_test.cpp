// The main window as a whole: menus, activation, placement, status bar, names and layout; and the
// splash window.
#include "layoutchecks.h"
#include "mainwindowfixture.h"
#include "planfixture.h"
#include "platform/monthcalendar.h"
#include "ui/main/columnheading.h"
#include "ui/main/frmsplash.h"
#include "ui/main/schoolevents.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>

TEST_F(MainWindowTest, MenusAsTheTeacherKnowsThem)
{
    makePlan(state, 2001);
    open();
    struct Item {
        const char* name;
        const char* caption; // empty: a separator
    };
    const std::pair<const char*, std::vector<Item>> menus[] = {
        {"ﾌｧｲﾙ(&F)",
         {{"mnuFileNew", "新規作成(&N)"},
          {"mnuFileOpen", "開く(&O)..."},
          {"mnuFileClose", "閉じる(&C)"},
          {"mnuFileBar0", ""},
          {"mnuFileSave", "上書き保存(&S)"},
          {"mnuFileSaveAs", "名前を付けて保存(&A)..."},
          {"mnuFileBar1", ""},
          {"mnuFilePageSetup", "ﾍﾟｰｼﾞ設定(&U)..."},
          {"mnuFilePrint", "印刷(&P)..."},
          {"mnuFileBar2", ""},
          {"mnuFileExit", "終了(&X)"}}},
        {"編集(&E)",
         {{"mnuEditModifyScedule", "計画を最初から変更"},
          {"mnuEditModifyHoliday", "休日の変更"},
          {"mnuEditModifySpecial", "特別な休日の変更"},
          {"mnuEditModifyTimeCredit", "週間時間表の変更"},
          {"mnuEditModifyWeek", "週間時間割の変更"},
          {"mnuEditModifyYear", "年間授業計画の変更"}}},
        {"表示(&V)", {{"mnuViewShowTimeTable", "集計表"}, {"mnuViewSchoolSummary", "学校全体の集計..."}}},
        {"ﾍﾙﾌﾟ(&H)", {{"mnuHelpContents", "ﾍﾙﾌﾟ"}}},
    };
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    for (std::size_t m = 0; m < std::size(menus); ++m) {
        EXPECT_EQ(bar[qsizetype(m)]->text(), QString::fromUtf8(menus[m].first));
        const QList<QAction*> items = bar[qsizetype(m)]->menu()->actions();
        ASSERT_EQ(items.size(), qsizetype(menus[m].second.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Item& expected = menus[m].second[std::size_t(i)];
            EXPECT_EQ(items[i]->objectName(), QLatin1String(expected.name));
            EXPECT_EQ(items[i]->isSeparator(), *expected.caption == 0) << expected.name;
            if (*expected.caption) {
                EXPECT_EQ(items[i]->text(), QString::fromUtf8(expected.caption));
            }
        }
    }
    EXPECT_EQ(child<QAction>(QStringLiteral("mnuFileNew"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ミルテ Ver1.2.3"));
}

TEST_F(MainWindowTest, EitherSaveOrOpenIsOffered)
{
    makePlan(state, 2001);
    open();
    auto* save = child<QAction>(QStringLiteral("mnuFileSave"));
    auto* openItem = child<QAction>(QStringLiteral("mnuFileOpen"));
    EXPECT_FALSE(save->isVisible());
    EXPECT_TRUE(openItem->isVisible());
    state.strFileName = QStringLiteral("/tmp/2-2.rv");
    window->Form_Activate();
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(openItem->isVisible());
    state.strFileName.clear();
    window->Form_Activate();
    EXPECT_FALSE(save->isVisible());
    EXPECT_TRUE(openItem->isVisible());
}

TEST_F(MainWindowTest, EditItemsOpenTheirWizardPages)
{
    makePlan(state, 2001);
    open();
    const std::pair<const char*, Wizard::Step> items[] = {
        {"mnuEditModifyScedule", Wizard::Step::Class},
        {"mnuEditModifyHoliday", Wizard::Step::HolidayRules},
        {"mnuEditModifySpecial", Wizard::Step::HolidayCalendar},
        {"mnuEditModifyTimeCredit", Wizard::Step::PeriodLengths},
        {"mnuEditModifyWeek", Wizard::Step::Timetable},
        {"mnuEditModifyYear", Wizard::Step::AnnualPlan},
    };
    for (const auto& [name, step] : items) {
        child<QAction>(QLatin1String(name))->trigger();
        EXPECT_TRUE(wizard.page(step)->isVisible()) << name;
        EXPECT_TRUE(window->isVisible()) << "the main window stays behind the page";
        wizard.leave(step);
        EXPECT_FALSE(wizard.page(step)->isVisible()) << name;
    }
}

TEST_F(MainWindowTest, FirstActivationOpensTheStartPage)
{
    makePlan(state, 2001);
    state.boolStartWizard = true;
    open();
    EXPECT_TRUE(wizard.page(Wizard::Step::Start)->isVisible());
    EXPECT_FALSE(state.boolStartWizard); // the start page took the flag
    // The main window's own activation went on: its week is shown behind the page.
    EXPECT_EQ(dateLabel(0)->text(), QStringLiteral("10/15(月)"));
    wizard.leave(Wizard::Step::Start);
    EXPECT_FALSE(wizard.page(Wizard::Step::Start)->isVisible());
}

TEST_F(MainWindowTest, PlacementIsRestoredWithTheFormsWidth)
{
    makePlan(state, 2001);
    placement.stored = {3000, 1500, 12000, 8400}; // lower than the form: its lower part scrolls
    window = std::make_unique<frmMain>(state, services, wizard);
    window->Form_Load();
    EXPECT_EQ(window->pos(), QPoint(200, 100));
    EXPECT_EQ(window->size(), QSize(800, 560)); // loading keeps the stored width
    activation.show(window.get());
    EXPECT_EQ(window->size(), QSize(715, 560)); // activation forces the form's width

    window->move(10, 20);
    window->resize(600, 300);
    window->Form_Activate();
    EXPECT_EQ(window->pos(), QPoint(200, 100));
    EXPECT_EQ(window->size(), QSize(715, 560));

    window->move(40, 30);
    dialogs.answerMessage(Dialogs::Answer::No); // 終了前にファイルを保存しますか。
    window->close();
    EXPECT_EQ(placement.saves, 1);
    EXPECT_EQ(placement.stored.left, 600);
    EXPECT_EQ(placement.stored.top, 450);
    EXPECT_EQ(placement.stored.width, 10725);
    EXPECT_EQ(placement.stored.height, 8400);
}

TEST_F(MainWindowTest, PlacementOnAMissingScreenFallsBackToTheDefaults)
{
    makePlan(state, 2001);
    placement.stored = {60000, 1500, 10725, 9855}; // 4000 pixels to the right
    open();
    EXPECT_EQ(window->pos(), QPoint(67, 67));
    EXPECT_EQ(window->size(), QSize(715, 657));
}

TEST_F(MainWindowTest, MinimizedWindowKeepsTheStoredPlacement)
{
    makePlan(state, 2001);
    open();
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    dialogs.answerMessage(Dialogs::Answer::No);
    window->close();
    EXPECT_EQ(placement.saves, 0);
}

TEST_F(MainWindowTest, ClosingHidesTheOtherWindows)
{
    makePlan(state, 2001);
    open();
    child<QAction>(QStringLiteral("mnuEditModifyScedule"))->trigger();
    ASSERT_TRUE(wizard.page(Wizard::Step::Class)->isVisible());
    dialogs.answerMessage(Dialogs::Answer::No);
    window->close();
    EXPECT_FALSE(wizard.page(Wizard::Step::Class)->isVisible());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, StatusBarShowsTheClock)
{
    makePlan(state, 2001);
    open();
    EXPECT_EQ(child<QLabel>(QStringLiteral("sbStatusBar_0"))->text(), QStringLiteral("ｽﾃｰﾀｽ"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("sbStatusBar_1"))->text(), QStringLiteral("2001/10/17"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("sbStatusBar_2"))->text(), QStringLiteral("9:00"));
    clock.set(QDateTime(QDate(2001, 10, 18), QTime(13, 5)));
    QTest::qWait(1100);
    EXPECT_EQ(child<QLabel>(QStringLiteral("sbStatusBar_1"))->text(), QStringLiteral("2001/10/18"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("sbStatusBar_2"))->text(), QStringLiteral("13:05"));
}

TEST_F(MainWindowTest, EveryControlHasAnAccessibleName)
{
    makePlan(state, 2001);
    open();
    pick(QDate(2001, 10, 15));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << w->objectName().toStdString();
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
    }
    for (int i = 0; i < 16; ++i) {
        auto* b = child<QPushButton>(QStringLiteral("cmdSubject_%1").arg(i));
        EXPECT_EQ(b->accessibleName(), b->text());
        EXPECT_TRUE(b->icon().isNull()); // the palette shows its captions only
    }
}

TEST_F(MainWindowTest, LayoutAtNinetySixDpi)
{
    makePlan(state, 2001);
    open();
    pick(QDate(2001, 10, 15));
    EXPECT_EQ(window->size(), QSize(715, 657));
    // At the form's size everything shows without scrolling.
    auto* scroll = child<QScrollArea>(QStringLiteral("frmMainScroll"));
    QCoreApplication::processEvents(); // the scroll bars follow the window's size on its events
    EXPECT_GE(scroll->viewport()->height(), scroll->widget()->height());
    EXPECT_GE(scroll->viewport()->width(), scroll->widget()->width());

    // The longest captions on every period.
    for (int i : {12, 13, 15}) {
        pickSubject(i);
        for (int r = 0; r < 6; ++r)
            for (int j = 0; j < 7; ++j)
                if (shown(period(r, j)) &&
                    period(r, j)->text() !=
                        child<QPushButton>(QStringLiteral("cmdSubject_%1").arg(i))->text())
                    click(period(r, j));
        expectTextsFit(window.get());
    }

    // Palette: even indexes down the first column, odd ones down the second, eight rows.
    for (int i = 0; i < 16; ++i) {
        const QRect g = child<QPushButton>(QStringLiteral("cmdSubject_%1").arg(i))->geometry();
        const QRect first = child<QPushButton>(QStringLiteral("cmdSubject_%1").arg(i % 2))->geometry();
        EXPECT_EQ(g.x(), first.x()) << i;
        EXPECT_EQ(g.y(), first.y() + (i / 2) * 36) << i;
    }
    // Rows and columns 720 twips apart; buttons 735 twips square; each row in its order.
    for (int r = 0; r < 6; ++r) {
        for (int j = 0; j < 7; ++j) {
            const QRect g = period(r, j)->geometry();
            EXPECT_EQ(g.size(), QSize(49, 49));
            EXPECT_EQ(g.topLeft(), period(0, 0)->geometry().topLeft() + QPoint(48 * j, 48 * r));
        }
        EXPECT_EQ(command(r)->geometry().size(), QSize(49, 49));
        EXPECT_EQ(command(r)->y(), period(r, 0)->y());
        EXPECT_LT(dateLabel(r)->geometry().right(), period(r, 0)->x());
        EXPECT_LT(period(r, 6)->geometry().right(), eventBox(r)->x());
        EXPECT_LT(eventBox(r)->geometry().right(), command(r)->x());
    }
    // Every event of the list shows whole in its box.
    QLineEdit* edit = eventBox(0)->lineEdit();
    for (const QString& event : schoolEvents())
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(event), edit->width() - 4) << event.toStdString();

    // The headings stand over their columns and inside the label.
    auto* heading = child<ColumnHeading>(QStringLiteral("Label7"));
    const QStringList words = heading->words();
    ASSERT_EQ(words.size(), 10);
    EXPECT_EQ(words.last(), QStringLiteral("登録・取消"));
    const QFontMetrics metrics(heading->font());
    EXPECT_LE(metrics.horizontalAdvance(words.last()) / 2,
              heading->width() - (command(0)->geometry().center().x() - heading->x()));
}

TEST(Splash, ShowsTheProductAndItsVersion)
{
    frmSplash splash;
    const auto text = [&](const char* name) {
        auto* label = splash.findChild<QLabel*>(QLatin1String(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    };
    EXPECT_EQ(text("lblProductName"), QStringLiteral("ミルテ"));
    EXPECT_EQ(text("lblVersion"), QStringLiteral("Version 1.2.3"));
    EXPECT_EQ(text("lblPlatform"), QStringLiteral("Window95/98/NT/2000"));
    EXPECT_EQ(
        text("lblWarning"),
        QStringLiteral("警告: 本製品に関して生じた逸失利益,特別事情による損害,本製品以外のソフトウェア・"
                       "データ・ハードウェアなどに生じた損害については一切の責任を負わないものとします。"));
    EXPECT_FALSE(text("lblCompany").isEmpty());
    EXPECT_FALSE(text("lblCopyright").isEmpty());
    const QImage logo = splash.findChild<QLabel*>(QStringLiteral("picLogo"))->pixmap().toImage();
    ASSERT_FALSE(logo.isNull());
    EXPECT_GT(qAlpha(logo.pixel(logo.width() / 2, logo.height() / 2)), 0);
    splash.show();
    expectTextsFit(&splash);
}
