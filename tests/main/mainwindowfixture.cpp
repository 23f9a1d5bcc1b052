#include "mainwindowfixture.h"

#include "platform/monthcalendar.h"
#include "platform/recordingprinter.h"
#include "ui/main/subjectframe.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QTest>

namespace {
const char* const kPeriodArrays[] = {"cmdMon", "cmdTue", "cmdWed", "cmdThu", "cmdFri", "cmdSat"};
}

MainWindowTest::MainWindowTest()
    : services{dialogs,
               clock,
               placement,
               printer,
               [](QPrinter&) -> std::unique_ptr<Printer> { return std::make_unique<RecordingPrinter>(); },
               activation}
{
}

MainWindowTest::~MainWindowTest()
{
    wizard.hideAll();
}

void MainWindowTest::open()
{
    window = std::make_unique<frmMain>(state, services, wizard);
    window->Form_Load();
    activation.show(window.get());
}

MonthCalendar* MainWindowTest::calendar() const
{
    return child<MonthCalendar>(QStringLiteral("MonthView1"));
}

QToolButton* MainWindowTest::period(int row, int index) const
{
    return child<QToolButton>(QStringLiteral("%1_%2").arg(QLatin1String(kPeriodArrays[row])).arg(index));
}

QComboBox* MainWindowTest::eventBox(int row) const
{
    return child<QComboBox>(QStringLiteral("Combo%1").arg(row + 1));
}

QPushButton* MainWindowTest::command(int row) const
{
    return child<QPushButton>(QStringLiteral("Command%1").arg(row + 1));
}

QLabel* MainWindowTest::dateLabel(int row) const
{
    return child<QLabel>(QStringLiteral("Label2_%1").arg(row));
}

void MainWindowTest::pick(const QDate& date)
{
    MonthCalendar* cal = calendar();
    cal->setDisplayedDate(date);
    const QRect cell = cal->dayRect(date);
    ASSERT_FALSE(cell.isEmpty()) << date.toString(Qt::ISODate).toStdString() << " is not in view";
    QTest::mouseClick(cal, Qt::LeftButton, {}, cell.center());
}

void MainWindowTest::pickSubject(int paletteIndex)
{
    click(child<QPushButton>(QStringLiteral("cmdSubject_%1").arg(paletteIndex)));
}

void MainWindowTest::click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowTest::clickEmptyArea()
{
    auto* frame = child<SubjectFrame>(QStringLiteral("fraSubject"));
    const QRect palette = child<QGroupBox>(QStringLiteral("fraPalette"))->geometry();
    const QPoint empty(palette.right() + 3, palette.center().y());
    ASSERT_EQ(frame->childAt(empty), nullptr) << "no empty area where expected";
    QTest::mouseClick(frame, Qt::LeftButton, {}, empty);
}

void MainWindowTest::type(QWidget* box, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}
