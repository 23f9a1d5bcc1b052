// The wizard's start page: begin a new plan, or open a plan file and skip the rest of the wizard.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz0 : public QWidget {
    Q_OBJECT

public:
    frmWiz0(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

public Q_SLOTS:
    void Form_Activate();
    void cmdWiz0Next_Click();
    void Command1_Click();

private:
    void openPlanFile();

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QLabel* lblWiz0Comment;
    std::array<QRadioButton*, 2> optWiz0NewOrOld{};
    QPushButton* cmdWiz0Next;
    QPushButton* Command1;
};
