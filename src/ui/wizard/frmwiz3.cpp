#include "ui/wizard/frmwiz3.h"

#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "core/appstate.h"
#include "platform/monthcalendar.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/daysoff.h"
#include "ui/wizard/dlgresultsorry.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"
#include "ui/wizard/wizardtexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr std::array<int, 3> kTermMonths = {4, 5, 3};

const QString kListFull =
    QStringLiteral("休日はこれ以上追加できません。追加できる休日は186日までです。\n"
                   "この日を休日にするときは、先にほかの追加した休日を取り消してください。");

std::int16_t* termCount(AppState& state, int term)
{
    switch (term) {
    case 1: return &state.intSchoolDays1;
    case 2: return &state.intSchoolDays2;
    default: return &state.intSchoolDays3;
    }
}
} // namespace

frmWiz3::frmWiz3(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz3"));
    setUpWizardPage(this);

    fraWiz3Month = new QGroupBox(
        QStringLiteral(
            "休日の設定（休日にしたい日付をクリックしてください。同じところをクリックすると取り消します。）"),
        this);
    fraWiz3Month->setObjectName(QStringLiteral("fraWiz3Month"));
    fraWiz3Month->setAccessibleName(fraWiz3Month->title());

    auto* frame = new QVBoxLayout(fraWiz3Month);
    frame->setSpacing(4);
    for (int k = 0; k < 3; ++k) {
        auto* calendar = new MonthCalendar(fraWiz3Month);
        calendar->setObjectName(QStringLiteral("mvWiz3Calendar_%1").arg(k));
        calendar->setAccessibleName(QStringLiteral("%1学期のカレンダー").arg(QChar(char16_t(u'１' + k))));
        calendar->setIndex(k);
        // All months of a term side by side: April–July, August–December, January–March.
        calendar->setMonthRows(1);
        calendar->setMonthColumns(kTermMonths[static_cast<std::size_t>(k)]);
        calendar->setMinimumSize(calendar->sizeHint());
        mvWiz3Calendar[static_cast<std::size_t>(k)] = calendar;
        QLabel* count = makeLabel(fraWiz3Month, QStringLiteral("lblWiz3NumberOfSchoolDays_%1").arg(k),
                                  schoolDaysLabel(k + 1, 0));
        lblWiz3NumberOfSchoolDays[static_cast<std::size_t>(k)] = count;
        frame->addWidget(count);
        frame->addWidget(calendar, 0, Qt::AlignLeft);
        frame->addSpacing(6);
        connect(calendar, &MonthCalendar::dateClicked, this,
                [this](QDate date, int index) { mvWiz3Calendar_DateClick(index, date); });
    }
    lblWiz3NumberOfSchoolDays[3] =
        makeLabel(fraWiz3Month, QStringLiteral("lblWiz3NumberOfSchoolDays_3"), schoolDaysLabel(0, 0));
    QFont yearFont = lblWiz3NumberOfSchoolDays[3]->font();
    yearFont.setBold(true);
    lblWiz3NumberOfSchoolDays[3]->setFont(yearFont);
    frame->addWidget(lblWiz3NumberOfSchoolDays[3]);

    cmdWiz3Next = makeNextButton(this, QStringLiteral("cmdWiz3Next"));
    cmdWiz3Before = makeBeforeButton(this, QStringLiteral("cmdWiz3Before"));
    cmdWiz3Cancel = makeButton(this, QStringLiteral("cmdWiz3Cancel"), QStringLiteral("戻る"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(fraWiz3Month);
    addButtonRow(layout, {cmdWiz3Before, cmdWiz3Next, cmdWiz3Cancel});

    connect(cmdWiz3Next, &QPushButton::clicked, this, &frmWiz3::cmdWiz3Next_Click);
    connect(cmdWiz3Before, &QPushButton::clicked, this, &frmWiz3::cmdWiz3Before_Click);
    connect(cmdWiz3Cancel, &QPushButton::clicked, this, &frmWiz3::cmdWiz3Cancel_Click);
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz3::Form_Activate()
{
    runUserCommand(m_services.dialogs, this, [this] {
        cmdWiz3Next->setFocus();
        std::array<int, 4> counts{}; // terms 1–3, year
        const QHash<QDate, QString> restDays = planRestDayNames(m_state);
        for (int k = 0; k < 3; ++k) {
            MonthCalendar* calendar = mvWiz3Calendar[static_cast<std::size_t>(k)];
            const QDate first = termFirstDay(m_state.intYear, k + 1);
            const QDate last = termLastDay(m_state.intYear, k + 1);
            // A minimum above the old maximum would be refused: widen first, then narrow.
            calendar->setMaxDate(std::max({calendar->maxDate(), last, QDate(9999, 12, 31)}));
            calendar->setMinDate(first);
            calendar->setMaxDate(last);
            calendar->showRange(first, last);
            calendar->setMinimumSize(calendar->sizeHint());
            calendar->setDayNotes(restDays);
            for (QDate d = first; d <= last; d = d.addDays(1)) {
                const bool school = IsSchoolDay(m_state, d);
                calendar->setDayBold(d, school);
                if (school) {
                    ++counts[static_cast<std::size_t>(k)];
                    ++counts[3];
                }
            }
        }
        m_state.intSchoolDays1 = static_cast<std::int16_t>(counts[0]);
        m_state.intSchoolDays2 = static_cast<std::int16_t>(counts[1]);
        m_state.intSchoolDays3 = static_cast<std::int16_t>(counts[2]);
        m_state.intSchoolDaysYear = static_cast<std::int16_t>(counts[3]);
        writeLabels();
    });
}

void frmWiz3::writeLabels()
{
    const std::array<int, 4> counts = {m_state.intSchoolDays1, m_state.intSchoolDays2, m_state.intSchoolDays3,
                                       m_state.intSchoolDaysYear};
    for (int k = 0; k < 4; ++k) {
        QLabel* label = lblWiz3NumberOfSchoolDays[static_cast<std::size_t>(k)];
        label->setText(schoolDaysLabel(k < 3 ? k + 1 : 0, counts[static_cast<std::size_t>(k)]));
        label->setAccessibleName(label->text());
    }
}

void frmWiz3::mvWiz3Calendar_DateClick(int index, const QDate& date)
{
    runUserCommand(m_services.dialogs, this, [&] {
        if (index < 0 || index > 2)
            return;
        MonthCalendar* calendar = mvWiz3Calendar[static_cast<std::size_t>(index)];
        // The counts move by one without testing the day again; the next loading recounts them.
        std::int16_t* term = termCount(m_state, index + 1);
        if (calendar->isDayBold(date)) {
            switch (addDayOff(m_state, date)) {
            case AddDayOff::Registered: showSorry(); return;
            case AddDayOff::ListFull:
                m_services.dialogs.message(this, kListFull, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
                break;
            case AddDayOff::Added:
                --*term;
                --m_state.intSchoolDaysYear;
                calendar->setDayBold(date, false);
                break;
            }
        } else if (removeDayOff(m_state, date)) {
            ++*term;
            ++m_state.intSchoolDaysYear;
            calendar->setDayBold(date, true);
        }
        writeLabels();
        cmdWiz3Next->setFocus();
    });
}

void frmWiz3::showSorry()
{
    if (!m_sorry)
        m_sorry = new dlgResultSorry(this);
    m_sorry->show();
    m_sorry->raise();
    m_sorry->activateWindow();
}

void frmWiz3::hideEvent(QHideEvent* event)
{
    // The apology belongs to this page and goes with it.
    if (m_sorry)
        m_sorry->hide();
    QWidget::hideEvent(event);
}

void frmWiz3::cmdWiz3Next_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.next(Wizard::Step::HolidayCalendar); });
}

void frmWiz3::cmdWiz3Before_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.before(Wizard::Step::HolidayCalendar); });
}

void frmWiz3::cmdWiz3Cancel_Click()
{
    m_wizard.leave(Wizard::Step::HolidayCalendar);
}
