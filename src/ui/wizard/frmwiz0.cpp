#include "ui/wizard/frmwiz0.h"

#include "core/appstate.h"
#include "core/mirteerror.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmWiz0::frmWiz0(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz0"));
    setUpWizardPage(this);

    lblWiz0Comment =
        makeLabel(this, QStringLiteral("lblWiz0Comment"), QStringLiteral("新しい学級と授業の計画をします"));
    QFont heading = lblWiz0Comment->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    heading.setBold(true);
    lblWiz0Comment->setFont(heading);

    auto* group = new QButtonGroup(this);
    const std::array<QString, 2> captions = {QStringLiteral("新規作成"), QStringLiteral("既存のファイル")};
    for (std::size_t i = 0; i < optWiz0NewOrOld.size(); ++i) {
        optWiz0NewOrOld[i] = new QRadioButton(captions[i], this);
        optWiz0NewOrOld[i]->setObjectName(QStringLiteral("optWiz0NewOrOld_%1").arg(i));
        optWiz0NewOrOld[i]->setAccessibleName(captions[i]);
        group->addButton(optWiz0NewOrOld[i], static_cast<int>(i));
    }
    optWiz0NewOrOld[0]->setChecked(true);

    cmdWiz0Next = makeNextButton(this, QStringLiteral("cmdWiz0Next"));
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("戻る"));

    auto* options = new QVBoxLayout;
    options->setContentsMargins(24, 8, 8, 8);
    options->setSpacing(10);
    for (QRadioButton* option : optWiz0NewOrOld)
        options->addWidget(option);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(lblWiz0Comment);
    layout->addLayout(options);
    layout->addStretch(1);
    addButtonRow(layout, {cmdWiz0Next, Command1});
    resize(420, 220);

    connect(cmdWiz0Next, &QPushButton::clicked, this, &frmWiz0::cmdWiz0Next_Click);
    connect(Command1, &QPushButton::clicked, this, &frmWiz0::Command1_Click);
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz0::Form_Activate()
{
    // The main window opens this page only once per run.
    m_state.boolStartWizard = false;
    cmdWiz0Next->setFocus();
}

void frmWiz0::cmdWiz0Next_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (optWiz0NewOrOld[0]->isChecked())
            m_wizard.next(Wizard::Step::Start);
        else
            openPlanFile();
    });
}

void frmWiz0::openPlanFile()
{
    const QString path = m_services.dialogs.openFileName(this, QStringLiteral("開く"), kPlanFileFilter);
    if (path.isEmpty())
        return;

    // The reader replaces the plan only when the whole file is good: a bad file leaves the state,
    // its file name included, as it was, and the page stays open.
    try {
        m_wizard.planLoader()(m_state, path);
    } catch (const PlanFileError& error) {
        m_services.dialogs.message(
            this, planFileErrorText(error, QStringLiteral("計画ファイルを読み込めませんでした。")),
            Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return;
    }
    m_wizard.announcePlanOpened();
    m_wizard.leave(Wizard::Step::Start);
}

void frmWiz0::Command1_Click()
{
    m_wizard.leave(Wizard::Step::Start);
}
