#include "ui/wizard/frmwiz4.h"

#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"

#include <QPushButton>
#include <QVBoxLayout>

frmWiz4::frmWiz4(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz4"));
    setUpWizardPage(this);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    QPushButton* before = makeBeforeButton(this, QStringLiteral("cmdWiz4Before"));
    QPushButton* next = makeButton(this, QStringLiteral("cmdWiz4End"), QStringLiteral("完了"));
    QPushButton* cancel = makeButton(this, QStringLiteral("cmdWiz4Cancel"), QStringLiteral("戻る"));
    addButtonRow(layout, {before, next, cancel});
    connect(before, &QPushButton::clicked, this, [this] { m_wizard.before(Wizard::Step::AnnualPlan); });
    connect(next, &QPushButton::clicked, this, [this] { m_wizard.leave(Wizard::Step::AnnualPlan); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_wizard.leave(Wizard::Step::AnnualPlan); });
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz4::Form_Activate() {}
