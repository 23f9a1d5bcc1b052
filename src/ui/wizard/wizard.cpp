#include "ui/wizard/wizard.h"

#include "planfile/planfile.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/frmwiz0.h"
#include "ui/wizard/frmwiz1.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/frmwiz5.h"
#include "ui/wizard/frmwiz6.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
constexpr std::size_t slot(Wizard::Step step)
{
    return static_cast<std::size_t>(step);
}
} // namespace

Wizard::Wizard(AppState& state, Services& services, QObject* parent)
    : QObject(parent), m_state(state), m_services(services),
      m_loadPlan([](AppState& s, const QString& path) { LoadPlanFile(s, path); })
{
}

Wizard::~Wizard() = default;

std::unique_ptr<QWidget> Wizard::createPage(Step step)
{
    switch (step) {
    case Step::Start: return std::make_unique<frmWiz0>(m_state, m_services, *this);
    case Step::Class: return std::make_unique<frmWiz1>(m_state, m_services, *this);
    case Step::HolidayRules: return std::make_unique<frmWiz2>(m_state, m_services, *this);
    case Step::HolidayCalendar: return std::make_unique<frmWiz3>(m_state, m_services, *this);
    case Step::PeriodLengths: return std::make_unique<frmWiz6>(m_state, m_services, *this);
    case Step::Timetable: return std::make_unique<frmWiz5>(m_state, m_services, *this);
    case Step::AnnualPlan: return std::make_unique<frmWiz4>(m_state, m_services, *this);
    }
    return nullptr;
}

QWidget* Wizard::page(Step step)
{
    std::unique_ptr<QWidget>& page = m_pages[slot(step)];
    if (!page)
        page = createPage(step);
    return page.get();
}

void Wizard::show(Step step)
{
    QWidget* shown = page(step);
    if (!m_placed[slot(step)]) {
        // A page opens in the middle of the main window, not wherever the system puts new windows.
        m_placed[slot(step)] = true;
        if (!shown->testAttribute(Qt::WA_Resized))
            shown->adjustSize();
        const QWidget* main = m_services.activation.mainWindow();
        const QScreen* screen = main && main->isVisible() ? main->screen() : shown->screen();
        QPoint centre = main && main->isVisible() ? main->frameGeometry().center()
                        : screen                  ? screen->availableGeometry().center()
                                                  : QPoint();
        QRect frame(QPoint(), shown->frameGeometry().size());
        frame.moveCenter(centre);
        if (screen) {
            const QRect room = screen->availableGeometry();
            frame.moveLeft(
                std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width())));
            frame.moveTop(
                std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
        }
        shown->move(frame.topLeft());
    }
    m_services.activation.show(shown);
}

void Wizard::next(Step from)
{
    if (from == Step::AnnualPlan)
        return;
    // The next page comes up before this one goes, so the wizard never leaves the screen empty.
    show(static_cast<Step>(slot(from) + 1));
    if (QWidget* current = m_pages[slot(from)].get())
        current->hide();
}

void Wizard::before(Step from)
{
    if (from == Step::Start)
        return;
    show(static_cast<Step>(slot(from) - 1));
    if (QWidget* current = m_pages[slot(from)].get())
        current->hide();
}

void Wizard::leave(Step from)
{
    if (QWidget* current = m_pages[slot(from)].get())
        m_services.activation.hideAndReturn(current);
}

void Wizard::hideAll()
{
    for (const std::unique_ptr<QWidget>& page : m_pages)
        if (page)
            page->hide();
}
