#include "ui/wizard/frmwiz2.h"

#include "calendar/holidaylaw.h"
#include "calendar/nationalholidays.h"
#include "core/appstate.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/holidayboxes.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// One row of the table: its caption label, the first day (label, box) and the last day (label, box);
// a box of -1 is a fixed day written in its label.
struct HolidayRow {
    int caption;
    const char16_t* captionText;
    int firstLabel;
    const char16_t* firstText;
    int firstBox;
    int lastLabel;
    const char16_t* lastText;
    int lastBox;
};

constexpr std::array<HolidayRow, 6> kRows = {{
    {0, u"春休み（年度始め）", 9, u"4／1", -1, 17, u"～　4／", 0},
    {1, u"夏休み", 10, u"7／", 1, 18, u"～　8／", 5},
    {2, u"冬休み", 11, u"12／", 2, 19, u"～　1／", 8},
    {3, u"春休み（年度末）", 12, u"3／", 3, 20, u"～　3／31", -1},
    {4, u"秋分の日", 13, u"9／", 4, -1, nullptr, -1},
    {7, u"春分の日", 16, u"3／", 7, -1, nullptr, -1},
}};

// What each box stands for, for those who cannot see the row it stands in.
constexpr std::array<const char16_t*, 9> kBoxNames = {
    u"春休み（年度始め）の終わり 4月の日",
    u"夏休みの始め 7月の日",
    u"冬休みの始め 12月の日",
    u"春休み（年度末）の始め 3月の日",
    u"秋分の日 9月の日",
    u"夏休みの終わり 8月の日",
    nullptr,
    u"春分の日 3月の日",
    u"冬休みの終わり 1月の日",
};

const std::array<QString, 3> kSaturdayCaptions = {
    QStringLiteral("隔週（第２・第４）土曜日休み"),
    QStringLiteral("完全週休２日"),
    QStringLiteral("土曜日休みは変則　（休みの規則に一日でも例外のあるときはここを選択し、次頁で個々の休みを"
                   "設定してください"),
};
} // namespace

frmWiz2::frmWiz2(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz2"));
    setUpWizardPage(this);

    lblWiz2Comment = makeLabel(this, QStringLiteral("lblWiz2Comment"), QStringLiteral("休日の設定をします"));
    QFont heading = lblWiz2Comment->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    heading.setBold(true);
    lblWiz2Comment->setFont(heading);

    const auto label = [this](int index, const char16_t* text) {
        QLabel* l = makeLabel(this, QStringLiteral("lblWiz2Holiday_%1").arg(index), QString::fromUtf16(text));
        lblWiz2Holiday[static_cast<std::size_t>(index)] = l;
        return l;
    };
    const HolidayBoxes initial = initialHolidayBoxes();
    const auto box = [&](int index) {
        auto* b = new QComboBox(this);
        b->setObjectName(QStringLiteral("cboWiz2Holiday_%1").arg(index));
        b->setAccessibleName(QString::fromUtf16(kBoxNames[static_cast<std::size_t>(index)]));
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert);
        b->lineEdit()->setAccessibleName(b->accessibleName());
        const HolidayBoxOffer offer = holidayBoxOffer(index);
        for (int day = offer.firstDay; day <= offer.lastDay; ++day)
            b->addItem(QString::number(day));
        b->setEditText(QString::number(*initial[static_cast<std::size_t>(index)]));
        b->setMinimumContentsLength(3);
        cboWiz2Holiday[static_cast<std::size_t>(index)] = b;
        return b;
    };

    const auto provisional = [this](const QString& name, const QString& holiday) {
        QLabel* l = makeLabel(this, name, QStringLiteral("予定"));
        l->setToolTip(QStringLiteral("この年度の%1はまだ正式に発表されていないため、計算による予定日です")
                          .arg(holiday));
        l->setAccessibleName(QStringLiteral("%1は予定").arg(holiday));
        l->setAccessibleDescription(l->toolTip());
        l->setVisible(false);
        return l;
    };
    lblWiz2AutumnProvisional =
        provisional(QStringLiteral("lblWiz2AutumnProvisional"), QStringLiteral("秋分の日"));
    lblWiz2VernalProvisional =
        provisional(QStringLiteral("lblWiz2VernalProvisional"), QStringLiteral("春分の日"));

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(8);
    table->setVerticalSpacing(8);
    int row = 0;
    for (const HolidayRow& r : kRows) {
        table->addWidget(label(r.caption, r.captionText), row, 0);
        table->addWidget(label(r.firstLabel, r.firstText), row, 1, Qt::AlignRight);
        if (r.firstBox >= 0)
            table->addWidget(box(r.firstBox), row, 2);
        if (r.lastLabel >= 0)
            table->addWidget(label(r.lastLabel, r.lastText), row, 3, Qt::AlignRight);
        if (r.lastBox >= 0)
            table->addWidget(box(r.lastBox), row, 4);
        if (r.firstBox == 4)
            table->addWidget(lblWiz2AutumnProvisional, row, 3);
        if (r.firstBox == 7)
            table->addWidget(lblWiz2VernalProvisional, row, 3);
        ++row;
    }
    table->setColumnMinimumWidth(0, 150);
    table->setColumnMinimumWidth(3, 60);
    table->setColumnStretch(5, 1);

    QLabel* saturdayHeading = label(8, u"土曜日の扱い");
    auto* group = new QButtonGroup(this);
    auto* saturdays = new QVBoxLayout;
    saturdays->setContentsMargins(24, 0, 0, 0);
    saturdays->setSpacing(6);
    for (std::size_t i = 0; i < optWiz2Saturday.size(); ++i) {
        auto* option = new QRadioButton(kSaturdayCaptions[i], this);
        option->setObjectName(QStringLiteral("optWiz2Saturday_%1").arg(i));
        option->setAccessibleName(kSaturdayCaptions[i]);
        group->addButton(option, static_cast<int>(i));
        saturdays->addWidget(option);
        optWiz2Saturday[i] = option;
    }
    optWiz2Saturday[2]->setChecked(true);

    cmdWiz2Next = makeNextButton(this, QStringLiteral("cmdWiz2Next"));
    cmdWiz2Before = makeBeforeButton(this, QStringLiteral("cmdWiz2Before"));
    cmdWiz2Cancel = makeButton(this, QStringLiteral("cmdWiz2Cancel"), QStringLiteral("戻る"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(lblWiz2Comment);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(24);
    indented->addLayout(table);
    layout->addLayout(indented);
    layout->addSpacing(6);
    layout->addWidget(saturdayHeading);
    layout->addLayout(saturdays);
    layout->addStretch(1);
    addButtonRow(layout, {cmdWiz2Before, cmdWiz2Next, cmdWiz2Cancel});

    connect(cmdWiz2Next, &QPushButton::clicked, this, &frmWiz2::cmdWiz2Next_Click);
    connect(cmdWiz2Before, &QPushButton::clicked, this, &frmWiz2::cmdWiz2Before_Click);
    connect(cmdWiz2Cancel, &QPushButton::clicked, this, &frmWiz2::cmdWiz2Cancel_Click);
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz2::Form_Activate()
{
    // Until the rules were stored once (or read from a file) the boxes keep what they hold.
    if (!isZeroDate(m_state.dateSpringTo)) {
        const std::array<std::pair<int, QDate>, 8> days = {{
            {0, m_state.dateSpringTo},
            {1, m_state.dateSummerFrom},
            {5, m_state.dateSummerTo},
            {2, m_state.dateWinterFrom},
            {3, m_state.dateYearEndFrom},
            {4, m_state.dateAutumnEquinox},
            {7, m_state.dateVernalEquinox},
            {8, m_state.dateWinterTo},
        }};
        for (const auto& [box, date] : days)
            cboWiz2Holiday[static_cast<std::size_t>(box)]->setEditText(QString::number(date.day()));
        const int option = m_state.boolSat2nd4thOff ? 0 : m_state.boolSatAllOff ? 1 : 2;
        optWiz2Saturday[static_cast<std::size_t>(option)]->setChecked(true);
    }
    showEquinoxDays();
    cmdWiz2Next->setFocus();
}

void frmWiz2::showEquinoxDays()
{
    // The equinox days belong to the school year: an equinox stored for another year (or none) gives
    // way to the law's day of this one.
    const int year = m_state.intYear;
    if (year < kFirstLawSchoolYear || year > kLastLawSchoolYear)
        return;
    const EquinoxDay autumn = autumnEquinox(year);
    const EquinoxDay vernal = vernalEquinox(year + 1);
    const auto show = [this](int box, const QDate& stored, const QDate& law) {
        const bool ofThisYear = stored.year() == law.year() && stored.month() == law.month();
        cboWiz2Holiday[static_cast<std::size_t>(box)]->setEditText(
            QString::number(ofThisYear ? stored.day() : law.day()));
    };
    show(4, m_state.dateAutumnEquinox, autumn.date);
    show(7, m_state.dateVernalEquinox, vernal.date);
    lblWiz2AutumnProvisional->setVisible(autumn.provisional);
    lblWiz2VernalProvisional->setVisible(vernal.provisional);
}

void frmWiz2::subSaveHolidays()
{
    std::array<QString, kHolidayBoxCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (cboWiz2Holiday[i])
            texts[i] = cboWiz2Holiday[i]->currentText();
    SaturdayRule rule = SaturdayRule::Irregular;
    if (optWiz2Saturday[0]->isChecked())
        rule = SaturdayRule::SecondAndFourthOff;
    else if (optWiz2Saturday[1]->isChecked())
        rule = SaturdayRule::AllOff;
    applyHolidayRules(m_state, computeHolidayRules(m_state.intYear, holidayBoxesFromTexts(texts), rule,
                                                   holidayRulesOf(m_state)));
}

void frmWiz2::cmdWiz2Next_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        subSaveHolidays();
        m_wizard.next(Wizard::Step::HolidayRules);
    });
}

void frmWiz2::cmdWiz2Before_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        subSaveHolidays();
        m_wizard.before(Wizard::Step::HolidayRules);
    });
}

void frmWiz2::cmdWiz2Cancel_Click()
{
    m_wizard.leave(Wizard::Step::HolidayRules);
}
