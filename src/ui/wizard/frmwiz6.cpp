#include "ui/wizard/frmwiz6.h"

#include "core/appstate.h"
#include "core/plandefaults.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/periodlengths.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"
#include "ui/wizard/wizardtexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

frmWiz6::frmWiz6(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz6"));
    setUpWizardPage(this);

    fraWiz6WeekCredit = new QGroupBox(QStringLiteral("週間時間表"), this);
    fraWiz6WeekCredit->setObjectName(QStringLiteral("fraWiz6WeekCredit"));
    fraWiz6WeekCredit->setAccessibleName(fraWiz6WeekCredit->title());

    lblWiz6Note = makeLabel(
        fraWiz6WeekCredit, QStringLiteral("lblWiz6Note"),
        QStringLiteral(
            "週の時数表を作成します。それぞれの時限に割り当てる時数をコンボボックスで入力してください。"
            "１５分は１／３単位、３０分は２／３単位、４５分は１単位、６０分は４／３単位として計算します。"),
        true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int d = 0; d < 6; ++d) {
        QLabel* day =
            makeLabel(fraWiz6WeekCredit, QStringLiteral("lblWiz6Week_%1").arg(d), weekdayHeading(d));
        day->setAlignment(Qt::AlignCenter);
        lblWiz6Week[static_cast<std::size_t>(d)] = day;
        grid->addWidget(day, 0, d + 1);
    }
    for (int k = 0; k < 7; ++k) {
        QLabel* period =
            makeLabel(fraWiz6WeekCredit, QStringLiteral("lblWiz6Time_%1").arg(k), periodHeading(k));
        period->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblWiz6Time[static_cast<std::size_t>(k)] = period;
        grid->addWidget(period, k + 1, 0);
    }
    const std::array<QString, 6> arrayNames = {
        QStringLiteral("cboWiz6MonCredit"), QStringLiteral("cboWiz6TueCredit"),
        QStringLiteral("cboWiz6WedCredit"), QStringLiteral("cboWiz6ThuCredit"),
        QStringLiteral("cboWiz6FriCredit"), QStringLiteral("cboWiz6SatCredit"),
    };
    for (int d = 0; d < 6; ++d) {
        for (int k = 0; k < 7; ++k) {
            auto* box = new QComboBox(fraWiz6WeekCredit);
            box->setObjectName(QStringLiteral("%1_%2").arg(arrayNames[static_cast<std::size_t>(d)]).arg(k));
            box->setAccessibleName(periodName(d, k) + QStringLiteral("の長さ"));
            box->addItems(periodLengthTexts());
            box->setCurrentIndex(0);
            cboWiz6Credit[static_cast<std::size_t>(d)][static_cast<std::size_t>(k)] = box;
            grid->addWidget(box, k + 1, d + 1);
        }
    }
    grid->setColumnStretch(7, 1);

    auto* frame = new QVBoxLayout(fraWiz6WeekCredit);
    frame->setSpacing(12);
    frame->addWidget(lblWiz6Note);
    frame->addLayout(grid);

    cmdWiz6Next = makeNextButton(this, QStringLiteral("cmdWiz6Next"));
    cmdWiz6Before = makeBeforeButton(this, QStringLiteral("cmdWiz6Before"));
    cmdWiz6Cancel = makeButton(this, QStringLiteral("cmdWiz6Cancel"), QStringLiteral("戻る"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(fraWiz6WeekCredit);
    addButtonRow(layout, {cmdWiz6Before, cmdWiz6Next, cmdWiz6Cancel});

    connect(cmdWiz6Next, &QPushButton::clicked, this, &frmWiz6::cmdWiz6Next_Click);
    connect(cmdWiz6Before, &QPushButton::clicked, this, &frmWiz6::cmdWiz6Before_Click);
    connect(cmdWiz6Cancel, &QPushButton::clicked, this, &frmWiz6::cmdWiz6Cancel_Click);
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz6::Form_Activate()
{
    cmdWiz6Next->setFocus();
    // A new plan starts from its grade's suggestion; a grade outside the table suggests nothing.
    const bool noneSet = std::all_of(m_state.strTimeCredit.begin(), m_state.strTimeCredit.begin() + 6,
                                     [](const QString& credit) { return credit.isEmpty(); });
    if (noneSet && m_state.intGrade >= 1 && m_state.intGrade <= 6) {
        const std::array<QString, 6>& suggested = defaultTimeCredit(m_state.intGrade);
        std::copy(suggested.begin(), suggested.end(), m_state.strTimeCredit.begin());
    }
    for (std::size_t d = 0; d < 6; ++d)
        for (std::size_t k = 0; k < 7; ++k)
            cboWiz6Credit[d][k]->setCurrentIndex(
                periodLengthEntry(m_state.strTimeCredit[d], static_cast<int>(k)));
}

void frmWiz6::subSaveWeekCredit()
{
    for (std::size_t d = 0; d < 6; ++d) {
        std::array<int, 7> entries{};
        for (std::size_t k = 0; k < 7; ++k)
            entries[k] = cboWiz6Credit[d][k]->currentIndex();
        m_state.strTimeCredit[d] = timeCreditOfEntries(entries);
    }
}

void frmWiz6::cmdWiz6Next_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        subSaveWeekCredit();
        m_wizard.next(Wizard::Step::PeriodLengths);
    });
}

void frmWiz6::cmdWiz6Before_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        subSaveWeekCredit();
        m_wizard.before(Wizard::Step::PeriodLengths);
    });
}

void frmWiz6::cmdWiz6Cancel_Click()
{
    m_wizard.leave(Wizard::Step::PeriodLengths);
}
