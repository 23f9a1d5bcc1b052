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

#include <QWidget>

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
    m_services.activation.show(page(step));
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
