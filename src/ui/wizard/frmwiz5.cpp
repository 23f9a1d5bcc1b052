#include "ui/wizard/frmwiz5.h"

#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"

#include <QPushButton>
#include <QVBoxLayout>

frmWiz5::frmWiz5(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz5"));
    setUpWizardPage(this);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    QPushButton* before = makeBeforeButton(this, QStringLiteral("cmdWiz5Before"));
    QPushButton* next = makeNextButton(this, QStringLiteral("cmdWiz5Next"));
    QPushButton* cancel = makeButton(this, QStringLiteral("cmdWiz5Cancel"), QStringLiteral("戻る"));
    addButtonRow(layout, {before, next, cancel});
    connect(before, &QPushButton::clicked, this, [this] { m_wizard.before(Wizard::Step::Timetable); });
    connect(next, &QPushButton::clicked, this, [this] { m_wizard.next(Wizard::Step::Timetable); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_wizard.leave(Wizard::Step::Timetable); });
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz5::Form_Activate() {}
