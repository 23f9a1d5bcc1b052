#include "ui/wizard/frmwiz3.h"

#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"

#include <QPushButton>
#include <QVBoxLayout>

frmWiz3::frmWiz3(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz3"));
    setUpWizardPage(this);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    QPushButton* before = makeBeforeButton(this, QStringLiteral("cmdWiz3Before"));
    QPushButton* next = makeNextButton(this, QStringLiteral("cmdWiz3Next"));
    QPushButton* cancel = makeButton(this, QStringLiteral("cmdWiz3Cancel"), QStringLiteral("戻る"));
    addButtonRow(layout, {before, next, cancel});
    connect(before, &QPushButton::clicked, this, [this] { m_wizard.before(Wizard::Step::HolidayCalendar); });
    connect(next, &QPushButton::clicked, this, [this] { m_wizard.next(Wizard::Step::HolidayCalendar); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_wizard.leave(Wizard::Step::HolidayCalendar); });
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz3::Form_Activate() {}
