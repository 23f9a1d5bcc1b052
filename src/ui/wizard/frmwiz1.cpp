#include "ui/wizard/frmwiz1.h"

#include "core/appstate.h"
#include "core/units.h"
#include "ui/common/services.h"
#include "ui/common/typedtextguard.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/classrules.h"
#include "ui/wizard/wizard.h"
#include "ui/wizard/wizardpage.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmWiz1::frmWiz1(AppState& state, Services& services, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(services), m_wizard(wizard)
{
    setObjectName(QStringLiteral("frmWiz1"));
    setUpWizardPage(this);

    lblWiz1Comment =
        makeLabel(this, QStringLiteral("lblWiz1Comment"), QStringLiteral("新しいクラスの設定をします"));
    QFont heading = lblWiz1Comment->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    heading.setBold(true);
    lblWiz1Comment->setFont(heading);

    cboWiz1Year = new QComboBox(this);
    cboWiz1Year->setObjectName(QStringLiteral("cboWiz1Year"));
    cboWiz1Year->setAccessibleName(QStringLiteral("年度"));
    for (int entry = 0; entry < kOfferedYears; ++entry)
        cboWiz1Year->addItem(yearEntryText(entry));
    cboWiz1Year->setCurrentIndex(-1);

    // The grade comes from a fixed list; the class may also be a name the school uses.
    const std::array<QString, 2> names = {QStringLiteral("学年"), QStringLiteral("組")};
    const std::array<int, 2> counts = {6, 12};
    for (std::size_t i = 0; i < cboWiz1Class.size(); ++i) {
        QComboBox* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cboWiz1Class_%1").arg(i));
        box->setAccessibleName(names[i]);
        for (int n = 1; n <= counts[i]; ++n)
            box->addItem(QString::number(n));
        box->setCurrentIndex(-1);
        box->setMinimumContentsLength(3);
        cboWiz1Class[i] = box;
    }
    cboWiz1Class[1]->setEditable(true);
    cboWiz1Class[1]->setInsertPolicy(QComboBox::NoInsert);
    cboWiz1Class[1]->lineEdit()->setAccessibleName(names[1]);
    cboWiz1Class[1]->setEditText(QString());

    txtWiz1Teacher = new QLineEdit(this);
    txtWiz1Teacher->setObjectName(QStringLiteral("txtWiz1Teacher"));
    txtWiz1Teacher->setAccessibleName(QStringLiteral("担任"));
    txtWiz1Teacher->setMinimumWidth(200);
    txtWiz1Teacher->installEventFilter(this);

    cmdWiz1Next = makeNextButton(this, QStringLiteral("cmdWiz1Next"));
    cmdWiz1Before = makeBeforeButton(this, QStringLiteral("cmdWiz1Before"));
    cmdWiz1Cancel = makeButton(this, QStringLiteral("cmdWiz1Cancel"), QStringLiteral("戻る"));

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(12);
    QLabel* yearLabel = makeLabel(this, QStringLiteral("lblWiz1Year"), QStringLiteral("年度"));
    yearLabel->setBuddy(cboWiz1Year);
    // "クラス" stands before both boxes; each box is labelled by the word after it.
    QLabel* classLabel = makeLabel(this, QStringLiteral("lblWiz1Class"), QStringLiteral("クラス"));
    QLabel* gradeLabel = makeLabel(this, QStringLiteral("lblWiz1Grade"), QStringLiteral("学年"));
    gradeLabel->setBuddy(cboWiz1Class[0]);
    QLabel* groupLabel = makeLabel(this, QStringLiteral("lblWiz1Group"), QStringLiteral("組"));
    groupLabel->setBuddy(cboWiz1Class[1]);
    QLabel* teacherLabel = makeLabel(this, QStringLiteral("lblWiz1Teacher"), QStringLiteral("担任"));
    teacherLabel->setBuddy(txtWiz1Teacher);

    auto* classRow = new QHBoxLayout;
    classRow->setSpacing(6);
    classRow->addWidget(cboWiz1Class[0]);
    classRow->addWidget(gradeLabel);
    classRow->addSpacing(12);
    classRow->addWidget(cboWiz1Class[1]);
    classRow->addWidget(groupLabel);
    classRow->addStretch(1);

    form->addWidget(yearLabel, 0, 0);
    form->addWidget(cboWiz1Year, 0, 1, Qt::AlignLeft);
    form->addWidget(classLabel, 1, 0);
    form->addLayout(classRow, 1, 1);
    lblWiz1ClassNote = makeNote(this, QStringLiteral("lblWiz1ClassNote"));
    lblWiz1TeacherNote = makeNote(this, QStringLiteral("lblWiz1TeacherNote"));
    form->addWidget(lblWiz1ClassNote, 2, 1);
    form->addWidget(teacherLabel, 3, 0);
    form->addWidget(txtWiz1Teacher, 3, 1, Qt::AlignLeft);
    form->addWidget(lblWiz1TeacherNote, 4, 1);
    new TypedTextGuard(cboWiz1Class[1]->lineEdit(), lblWiz1ClassNote);
    form->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addWidget(lblWiz1Comment);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(24);
    indented->addLayout(form);
    layout->addLayout(indented);
    layout->addStretch(1);
    addButtonRow(layout, {cmdWiz1Before, cmdWiz1Next, cmdWiz1Cancel});
    resize(460, 260);

    connect(cboWiz1Year, &QComboBox::activated, this, &frmWiz1::cboWiz1Year_Click);
    connect(cboWiz1Class[0], &QComboBox::activated, this, [this] { cboWiz1Class_Click(0); });
    connect(cboWiz1Class[1], &QComboBox::activated, this, [this] { cboWiz1Class_Click(1); });
    connect(txtWiz1Teacher, &QLineEdit::textEdited, this, [this](const QString& text) {
        // The plan file holds one line per value: a pasted line break has no place in a name.
        const QString line = withoutLineBreaks(text);
        if (line != text) {
            const int cursor = txtWiz1Teacher->cursorPosition() - int(text.size() - line.size());
            txtWiz1Teacher->setText(line);
            txtWiz1Teacher->setCursorPosition(std::max(0, cursor));
        }
    });
    // After the line-break handler above, so the guard sees its result.
    new TypedTextGuard(txtWiz1Teacher, lblWiz1TeacherNote);
    connect(cmdWiz1Next, &QPushButton::clicked, this, &frmWiz1::cmdWiz1Next_Click);
    connect(cmdWiz1Before, &QPushButton::clicked, this, &frmWiz1::cmdWiz1Before_Click);
    connect(cmdWiz1Cancel, &QPushButton::clicked, this, &frmWiz1::cmdWiz1Cancel_Click);
    m_services.activation.watch(this, [this] { Form_Activate(); });
}

void frmWiz1::Form_Activate()
{
    cboWiz1Year->setCurrentIndex(yearEntryOfYear(m_state.intYear));
    if (m_state.intGrade != 0)
        cboWiz1Class[0]->setCurrentIndex(cboWiz1Class[0]->findText(QString::number(m_state.intGrade)));
    if (!m_state.strClass.isEmpty())
        cboWiz1Class[1]->setEditText(m_state.strClass);
    if (!m_state.strTeacher.isEmpty())
        txtWiz1Teacher->setText(m_state.strTeacher);
    cmdWiz1Next->setFocus();
}

void frmWiz1::subSaveClass()
{
    const int entry = cboWiz1Year->currentIndex();
    // Without a chosen entry the plan takes the calendar year of today.
    m_state.intYear = entry >= 0 ? static_cast<std::int16_t>(kFirstOfferedYear + entry)
                                 : checked16(m_services.clock.today().year());
    m_state.intGrade = gradeFromText(cboWiz1Class[0]->currentText());
    const QString className = withoutLineBreaks(cboWiz1Class[1]->currentText());
    if (!className.isEmpty())
        m_state.strClass = className;
    m_state.strTeacher = withoutLineBreaks(txtWiz1Teacher->text());
}

void frmWiz1::cboWiz1Year_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        // A new year moves the main calendar to it at the main window's next activation.
        m_state.boolCalendarShown = false;
        subSaveClass();
    });
}

void frmWiz1::cboWiz1Class_Click(int)
{
    runUserCommand(m_services.dialogs, this, [this] { subSaveClass(); });
}

void frmWiz1::txtWiz1Teacher_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { subSaveClass(); });
}

void frmWiz1::cmdWiz1Next_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        subSaveClass();
        m_wizard.next(Wizard::Step::Class);
    });
}

void frmWiz1::cmdWiz1Before_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        subSaveClass();
        m_wizard.before(Wizard::Step::Class);
    });
}

void frmWiz1::cmdWiz1Cancel_Click()
{
    m_wizard.leave(Wizard::Step::Class);
}

bool frmWiz1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtWiz1Teacher && event->type() == QEvent::MouseButtonPress)
        txtWiz1Teacher_Click();
    return QWidget::eventFilter(watched, event);
}
