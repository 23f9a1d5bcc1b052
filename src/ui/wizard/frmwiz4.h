// The annual plan page: base hours and term plans typed per subject, checked and stored whenever
// the focus moves to another box, beside the hours projected from the weekly timetable and the
// year's plan with its difference from the base hours.
#pragma once

#include <QWidget>
#include <array>

class Grid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz4 : public QWidget {
    Q_OBJECT

public:
    frmWiz4(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

    void subSaveYearPlan();
    void subDispSavedData();
    void subDispWeekTotalPlan();

public Q_SLOTS:
    void Form_Activate();
    void cmdWiz4Before_Click();
    void cmdWiz4End_Click();
    void cmdWiz4Cancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void prepareGrids();
    void boxGotFocus(QLineEdit* box);
    bool boxKeyDown(QLineEdit* box, int key, Qt::KeyboardModifiers modifiers);

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QGroupBox* fraWiz4YearPlan;
    std::array<QLabel*, 2> lblWiz4Comment{};
    Grid* gridWiz4YearPlan;
    std::array<QLabel*, 4> lblWiz4TableLabel{}; // 基本時数, 1学期, 2学期, 3学期
    std::array<QLineEdit*, 17> txtWiz4YearBase{};
    std::array<QLineEdit*, 51> txtWiz4YearPlan{};
    QLabel* lblWiz4BaseSum;
    std::array<QLabel*, 3> lblWiz4Sum{};
    Grid* gridWiz4YearSum;
    QPushButton* cmdWiz4Before;
    QPushButton* cmdWiz4End;
    QPushButton* cmdWiz4Cancel;

    // Focus arriving in a box stores the page only while the page shows what it loaded.
    bool m_loaded = false;
};
