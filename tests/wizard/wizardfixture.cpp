#include "wizardfixture.h"

#include "calendar/nationalholidays.h"
#include "core/plandefaults.h"
#include "platform/printer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QInputMethodEvent>

WizardTest::WizardTest()
{
    InitPlanDefaults(state);
    services = std::make_unique<Services>(Services{dialogs, clock, placement, printer,
                                                   [](QPrinter&) { return std::unique_ptr<Printer>(); },
                                                   activation});
    mainWindow.setObjectName(QStringLiteral("frmMain"));
    mainWindow.resize(200, 100);
    activation.setMainWindow(&mainWindow);
    activation.watch(&mainWindow, [this] { ++mainActivations; });
    wizard = std::make_unique<Wizard>(state, *services);
}

WizardTest::~WizardTest()
{
    wizard.reset();
}

void WizardTest::click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WizardTest::choose(QComboBox* box, int index)
{
    ASSERT_NE(box, nullptr);
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex item = view->model()->index(index, box->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).intersected(view->viewport()->rect()).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (view->isVisible())
        box->hidePopup();
}

void WizardTest::clickOption(QAbstractButton* option)
{
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(option->isVisible());
    // The indicator, not the middle of a row the layout may have stretched.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

void WizardTest::type(QWidget* widget, const QString& text)
{
    ASSERT_NE(widget, nullptr);
    // Japanese arrives from the input method as committed text.
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

void WizardTest::focusByMouse(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QApplication::setActiveWindow(widget->window());
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WizardTest::setUpYear(int year, int saturdayRule)
{
    state.intYear = static_cast<std::int16_t>(year);
    applyHolidayRules(state,
                      computeHolidayRules(year, initialHolidayBoxes(year),
                                          static_cast<SaturdayRule>(saturdayRule), holidayRulesOf(state)));
}
