// The holiday rules page: vacations, equinox days and the Saturday rule, turned into dates and the
// fourteen national holidays of the school year when the page is left with "次へ" or "前へ".
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz2 : public QWidget {
    Q_OBJECT

public:
    frmWiz2(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

    void subSaveHolidays();

public Q_SLOTS:
    void Form_Activate();
    void cmdWiz2Next_Click();
    void cmdWiz2Before_Click();
    void cmdWiz2Cancel_Click();

private:
    void showEquinoxDays();

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QLabel* lblWiz2Comment;
    std::array<QLabel*, 21> lblWiz2Holiday{};   // 5, 6, 14 and 15 do not exist
    std::array<QComboBox*, 9> cboWiz2Holiday{}; // 6 does not exist
    std::array<QRadioButton*, 3> optWiz2Saturday{};
    // "予定" after an equinox box while the year's equinox day is not announced yet.
    QLabel* lblWiz2AutumnProvisional;
    QLabel* lblWiz2VernalProvisional;
    QPushButton* cmdWiz2Next;
    QPushButton* cmdWiz2Before;
    QPushButton* cmdWiz2Cancel;
};
