#include "ui/wizard/frmwiz5.h"

#include "core/appstate.h"
#include "core/subjects.h"
#include "platform/subjectpictures.h"
#include "totals/weektotals.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/timetablerules.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"
#include "ui/wizard/wizardtexts.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Carries a palette button's index to the event filter.
const char* const kPaletteIndexProperty = "paletteIndex";
constexpr int kPictureSize = 24;
const std::array<QString, 6> kPlanArrays = {
    QStringLiteral("cmdWiz5MonPlan"), QStringLiteral("cmdWiz5TuePlan"), QStringLiteral("cmdWiz5WedPlan"),
    QStringLiteral("cmdWiz5ThuPlan"), QStringLiteral("cmdWiz5FriPlan"), QStringLiteral("cmdWiz5SatPlan"),
};

// Palette slots: the basic thirteen in two columns of seven beside the current subject's picture,
// further subjects of a later catalogue in a third column.
std::pair<int, int> paletteSlot(int index)
{
    return index < kPaletteSize ? std::pair{index % 7, index / 7} : std::pair{index - kPaletteSize, 2};
}
} // namespace

frmWiz5::frmWiz5(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz5"));
    setUpWizardPage(this);

    lblWiz5Note =
        makeLabel(this, QStringLiteral("lblWiz5Note"),
                  QStringLiteral(
                      "週の時間割を作成します。左の教科パレットから選んで下の計画表をクリックしてください。"),
                  true);

    fraWiz5Palette = new QGroupBox(QStringLiteral("教科パレット"), this);
    fraWiz5Palette->setObjectName(QStringLiteral("fraWiz5Palette"));
    fraWiz5Palette->setAccessibleName(fraWiz5Palette->title());
    auto* palette = new QGridLayout(fraWiz5Palette);
    palette->setSpacing(4);
    for (int i = 0; i < kMaxPaletteSize; ++i) {
        QPushButton* button =
            makeButton(fraWiz5Palette, QStringLiteral("cmdWiz5Subject_%1").arg(i), QString());
        button->setIconSize(QSize(kPictureSize, kPictureSize));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setMinimumWidth(92);
        cmdWiz5Subject[static_cast<std::size_t>(i)] = button;
        const auto [row, column] = paletteSlot(i);
        palette->addWidget(button, row, column);
        // Pressing any mouse button already picks the subject (see eventFilter); a click by
        // keyboard picks it too.
        button->setProperty(kPaletteIndexProperty, i);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdWiz5Subject_Click(i); });
    }
    imgWiz5Subject = new QLabel(fraWiz5Palette);
    imgWiz5Subject->setObjectName(QStringLiteral("imgWiz5Subject"));
    imgWiz5Subject->setAccessibleName(QStringLiteral("選択中の教科 なし"));
    imgWiz5Subject->setFixedSize(40, 40);
    imgWiz5Subject->setAlignment(Qt::AlignCenter);
    imgWiz5Subject->setFrameShape(QFrame::StyledPanel);
    imgWiz5Subject->setToolTip(QStringLiteral("選択中の教科"));
    auto* current = new QHBoxLayout;
    current->setSpacing(4);
    current->addWidget(makeLabel(fraWiz5Palette, QStringLiteral("lblWiz5Current"), QStringLiteral("選択中")));
    current->addWidget(imgWiz5Subject);
    current->addStretch(1);
    palette->addLayout(current, 6, 1);

    fraWiz5WeekPlan = new QGroupBox(QStringLiteral("週間授業時数計画"), this);
    fraWiz5WeekPlan->setObjectName(QStringLiteral("fraWiz5WeekPlan"));
    fraWiz5WeekPlan->setAccessibleName(fraWiz5WeekPlan->title());
    auto* plan = new QGridLayout(fraWiz5WeekPlan);
    plan->setHorizontalSpacing(4);
    plan->setVerticalSpacing(4);
    for (int d = 0; d < 7; ++d) {
        const QString text = d < 6 ? weekdayHeading(d) : QStringLiteral("週間時数");
        QLabel* heading = makeLabel(fraWiz5WeekPlan, QStringLiteral("lblWiz5Week_%1").arg(d), text);
        heading->setAlignment(d < 6 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        lblWiz5Week[static_cast<std::size_t>(d)] = heading;
        plan->addWidget(heading, 0, d < 6 ? d + 1 : 8);
    }
    for (int k = 0; k < 7; ++k) {
        QLabel* heading =
            makeLabel(fraWiz5WeekPlan, QStringLiteral("lblWiz5Time_%1").arg(k), periodHeading(k));
        heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblWiz5Time[static_cast<std::size_t>(k)] = heading;
        plan->addWidget(heading, k + 1, 0);
    }
    for (int d = 0; d < 6; ++d) {
        for (int k = 0; k < 7; ++k) {
            QPushButton* button = makeButton(
                fraWiz5WeekPlan, QStringLiteral("%1_%2").arg(kPlanArrays[static_cast<std::size_t>(d)]).arg(k),
                QString());
            button->setAccessibleName(periodName(d, k));
            button->setIconSize(QSize(kPictureSize, kPictureSize));
            button->setFixedSize(88, 34);
            button->setFocusPolicy(Qt::TabFocus);
            cmdWiz5Plan[static_cast<std::size_t>(d)][static_cast<std::size_t>(k)] = button;
            m_initials[static_cast<std::size_t>(d)][static_cast<std::size_t>(k)] = QChar(kEmptyPeriod);
            plan->addWidget(button, k + 1, d + 1);
            connect(button, &QPushButton::clicked, this, [this, d, k] { cmdWiz5Plan_Click(d + 1, k); });
        }
    }
    plan->setColumnMinimumWidth(7, 16);
    auto* hours = new QVBoxLayout;
    hours->setSpacing(2);
    for (int i = 0; i < kMaxPaletteSize; ++i) {
        QLabel* label = makeLabel(fraWiz5WeekPlan, QStringLiteral("lblWiz5WeekTime_%1").arg(i), QString());
        lblWiz5WeekTime[static_cast<std::size_t>(i)] = label;
        hours->addWidget(label);
    }
    hours->addStretch(1);
    plan->addLayout(hours, 1, 8, 7, 1);

    cmdWiz5Next = makeNextButton(this, QStringLiteral("cmdWiz5Next"));
    cmdWiz5Before = makeBeforeButton(this, QStringLiteral("cmdWiz5Before"));
    cmdWiz5Cancel = makeButton(this, QStringLiteral("cmdWiz5Cancel"), QStringLiteral("戻る"));

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(fraWiz5Palette, 0, Qt::AlignTop);
    body->addWidget(fraWiz5WeekPlan, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(lblWiz5Note);
    layout->addLayout(body);
    addButtonRow(layout, {cmdWiz5Before, cmdWiz5Next, cmdWiz5Cancel});

    connect(cmdWiz5Next, &QPushButton::clicked, this, &frmWiz5::cmdWiz5Next_Click);
    connect(cmdWiz5Before, &QPushButton::clicked, this, &frmWiz5::cmdWiz5Before_Click);
    connect(cmdWiz5Cancel, &QPushButton::clicked, this, &frmWiz5::cmdWiz5Cancel_Click);
    applyCatalogue();
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz5::applyCatalogue()
{
    const Catalogue& catalogue = m_state.catalogue();
    if (m_palette == catalogue.timetableInitials)
        return;
    m_palette = catalogue.timetableInitials;
    m_current = -1;
    imgWiz5Subject->clear();
    imgWiz5Subject->setAccessibleName(QStringLiteral("選択中の教科 なし"));
    fraWiz5WeekPlan->unsetCursor();
    for (int i = 0; i < kMaxPaletteSize; ++i) {
        QPushButton* button = cmdWiz5Subject[static_cast<std::size_t>(i)];
        QLabel* label = lblWiz5WeekTime[static_cast<std::size_t>(i)];
        const bool shown = i < m_palette.size();
        button->setVisible(shown);
        label->setVisible(shown);
        if (!shown)
            continue;
        const QChar initial = m_palette.at(i);
        const QString name = catalogue.subjectName(initial);
        button->setText(name);
        button->setAccessibleName(name);
        button->setIcon(QIcon(palettePicture(pictureIndexOf(initial), kPictureSize)));
        label->setText(weekTimeLabel(name, 0));
        label->setAccessibleName(label->text());
    }
}

QPushButton* frmWiz5::planButton(int weekday, int period) const
{
    return cmdWiz5Plan[static_cast<std::size_t>(weekday - 1)][static_cast<std::size_t>(period)];
}

void frmWiz5::setPeriod(int weekday, int period, QChar initial)
{
    QPushButton* button = planButton(weekday, period);
    const PeriodLook look = periodLook(m_state.catalogue(), initial);
    button->setText(look.caption);
    button->setIcon(look.paletteIndex >= 0 ? QIcon(palettePicture(pictureIndexOf(initial), kPictureSize))
                                           : QIcon());
    const QString where = periodName(weekday - 1, period);
    button->setAccessibleName(look.caption.isEmpty() ? where : where + QLatin1Char(' ') + look.caption);
    m_initials[static_cast<std::size_t>(weekday - 1)][static_cast<std::size_t>(period)] = initial;
}

void frmWiz5::Form_Activate()
{
    runUserCommand(m_services.dialogs, this, [this] {
        applyCatalogue();
        cmdWiz5Next->setFocus();
        const RivoDayTime* day = m_state.objWeekTimetable ? m_state.objWeekTimetable->objFirstDay : nullptr;
        for (; day; day = day->objNextDay.get()) {
            const int w = day->intWeekName;
            if (w < 1 || w > 6)
                continue;
            const QString& credit = m_state.strTimeCredit[static_cast<std::size_t>(w - 1)];
            for (int k = 0; k < 7; ++k) {
                // A period that does not exist is hidden but still shows the stored subject, so a
                // click on another period writes that subject back unchanged.
                setPeriod(w, k, periodInitial(day->strSubject, k));
                // Only a length of 0 hides a period; lengths not set yet hide nothing.
                const bool exists = !(k < credit.size() && credit.at(k) == u'0');
                planButton(w, k)->setVisible(exists);
            }
            if (day == m_state.objWeekTimetable->objLastDay)
                break;
        }
        subDispWeekTime();
    });
}

bool frmWiz5::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant index = watched->property(kPaletteIndexProperty);
        if (index.isValid())
            cmdWiz5Subject_Click(index.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

void frmWiz5::cmdWiz5Subject_Click(int index)
{
    if (index < 0 || index >= m_palette.size())
        return;
    m_current = index;
    cmdWiz5Subject[static_cast<std::size_t>(index)]->setChecked(true);
    const int picture = pictureIndexOf(m_palette.at(index));
    imgWiz5Subject->setPixmap(palettePicture(picture, 32));
    imgWiz5Subject->setAccessibleName(QStringLiteral("選択中の教科 ") +
                                      m_state.catalogue().subjectName(m_palette.at(index)));
    fraWiz5WeekPlan->setCursor(paletteCursor(picture));
}

void frmWiz5::cmdWiz5Plan_Click(int weekday, int period)
{
    runUserCommand(m_services.dialogs, this, [&] {
        if (weekday < 1 || weekday > 6 || period < 0 || period > 6)
            return;
        const QString current =
            m_current >= 0 ? m_state.catalogue().subjectName(m_palette.at(m_current)) : QString();
        // The same subject again takes it off; with no subject picked a click clears the period.
        if (planButton(weekday, period)->text() != current && m_current >= 0)
            setPeriod(weekday, period, m_palette.at(m_current));
        else
            setPeriod(weekday, period, QChar(kEmptyPeriod));

        const QString subjects = daySubjects(m_initials[static_cast<std::size_t>(weekday - 1)]);
        for (RivoDayTime* day = m_state.objWeekTimetable ? m_state.objWeekTimetable->objFirstDay : nullptr;
             day; day = day->objNextDay.get()) {
            if (day->intWeekName == weekday) {
                day->strSubject = subjects;
                break;
            }
            if (day == m_state.objWeekTimetable->objLastDay)
                break;
        }
        subDispWeekTime();
    });
}

void frmWiz5::subDispWeekTime()
{
    if (!m_state.objWeekTimetable)
        return;
    calculate(*m_state.objWeekTimetable, m_state.strTimeCredit, m_state.catalogue());
    const Catalogue& catalogue = m_state.catalogue();
    for (int i = 0; i < m_palette.size(); ++i) {
        QLabel* label = lblWiz5WeekTime[static_cast<std::size_t>(i)];
        const QChar initial = m_palette.at(i);
        const Units units =
            (*m_state.objWeekTimetable)[catalogue.fieldOfInitial(initial).value_or(Field::yobi)];
        label->setText(weekTimeLabel(catalogue.subjectName(initial), units));
        label->setAccessibleName(label->text());
    }
}

void frmWiz5::cmdWiz5Next_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.next(Wizard::Step::Timetable); });
}

void frmWiz5::cmdWiz5Before_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { m_wizard.before(Wizard::Step::Timetable); });
}

void frmWiz5::cmdWiz5Cancel_Click()
{
    m_wizard.leave(Wizard::Step::Timetable);
}
