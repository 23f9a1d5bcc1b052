// The annual plan page: base hours and term plans typed per subject, checked and stored whenever
// the focus moves to another box, beside the hours projected from the weekly timetable and the
// year's plan with its difference from the base hours.
#pragma once

#include "core/unitcounts.h"

#include <QWidget>
#include <array>
#include <vector>

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
    void cmdWiz4Standard_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The rows of the plan's catalogue: captions, which boxes show, the grids' sizes.
    void applyCatalogue();
    void prepareGrids();
    // The standard of each row and the plan and the results against it (later catalogues only).
    void subDispStandard();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    void boxGotFocus(QLineEdit* box);
    bool boxKeyDown(QLineEdit* box, int key, Qt::KeyboardModifiers modifiers);

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QGroupBox* fraWiz4YearPlan;
    std::array<QLabel*, 2> lblWiz4Comment{};
    Grid* gridWiz4YearPlan;
    std::array<QLabel*, 4> lblWiz4TableLabel{}; // 基本時数, 1学期, 2学期, 3学期
    std::array<QLineEdit*, 19> txtWiz4YearBase{};
    std::array<QLineEdit*, 57> txtWiz4YearPlan{};
    QLabel* lblWiz4BaseSum;
    std::array<QLabel*, 3> lblWiz4Sum{};
    Grid* gridWiz4YearSum;
    // Shown only for a catalogue that sets the plan beside the standard hours.
    Grid* gridWiz4Standard;      // 標準, beside the base hours
    Grid* gridWiz4StandardCheck; // the plan and the results against the standard
    QLabel* lblWiz4Surplus;      // 余剰時数
    QPushButton* cmdWiz4Standard;
    QPushButton* cmdWiz4Before;
    QPushButton* cmdWiz4End;
    QPushButton* cmdWiz4Cancel;

    // Focus arriving in a box stores the page only while the page shows what it loaded.
    bool m_loaded = false;
    std::vector<Field> m_rows; // the fields of the rows shown
    bool m_showsStandard = false;
};
