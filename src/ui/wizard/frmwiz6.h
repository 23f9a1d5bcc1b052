// The period-length page: how long each period 0 to 6 of each weekday lasts, in 15-minute steps,
// with the grade's suggested lengths while none are set.
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz6 : public QWidget {
    Q_OBJECT

public:
    frmWiz6(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

    void subSaveWeekCredit();

public Q_SLOTS:
    void Form_Activate();
    void cmdWiz6Next_Click();
    void cmdWiz6Before_Click();
    void cmdWiz6Cancel_Click();

private:
    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QGroupBox* fraWiz6WeekCredit;
    QLabel* lblWiz6Note;
    std::array<QLabel*, 6> lblWiz6Week{}; // 月 … 土
    std::array<QLabel*, 7> lblWiz6Time{}; // periods 0 … 6
    // [weekday][period]: cboWiz6MonCredit … cboWiz6SatCredit.
    std::array<std::array<QComboBox*, 7>, 6> cboWiz6Credit{};
    QPushButton* cmdWiz6Next;
    QPushButton* cmdWiz6Before;
    QPushButton* cmdWiz6Cancel;
};
