// The print window: the teacher picks which sheet to print and starts it: the annual sheet, the
// timetable and the tally sheet of each term, or the weekly timetable poster.
#pragma once

#include <QWidget>
#include <array>

struct AppState;
struct Services;
class QButtonGroup;
class QPushButton;
class QRadioButton;

class frmPrint : public QWidget {
    Q_OBJECT

public:
    frmPrint(AppState& state, Services& services, QWidget* parent = nullptr);

public Q_SLOTS:
    void Form_Activate();
    void cmdPrint_Click();
    void cmdPrintClose_Click();

private:
    // Each shows the printer dialog first and prints only when it was accepted.
    void subPrintYear();
    void subPrintWeekPlan();
    void subPrintSeasonTimeChart(int term);
    void subPrintSeasonTotal(int term);

    template <typename Sheet> void printWith(Sheet&& sheet);

    AppState& m_state;
    Services& m_services;
    std::array<QRadioButton*, 8> optPrint{};
    QButtonGroup* m_options = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPrintClose = nullptr;
};
