// The tally window (時数集計表): for the week of a picked date, the hours of every subject as plan,
// actual and difference for the week, its term and the whole school year.
#pragma once

#include "core/unitcounts.h"

#include <QDate>
#include <QWidget>
#include <vector>

struct AppState;
struct Services;
struct TallyBlock;
class Grid;
class MonthCalendar;
class QLabel;
class QPushButton;

// The date whose week the window opens on: the date last picked in the main window, or 1 April of
// the school year when that date is unset or lies outside the year.
QDate tallyOpeningDate(const AppState& state);

class frmDispTimeTable : public QWidget {
    Q_OBJECT

public:
    frmDispTimeTable(AppState& state, Services& services, QWidget* parent = nullptr);

public Q_SLOTS:
    void Form_Activate();
    // Recomputes the actual hours from the recorded days and refills the grid for the date's week.
    void mvTimeTable_DateClick(const QDate& date);
    void mvTimeTable_Click();
    void cmdCloseTimeTable_Click();
    // The shown week, term and year as a CSV file of the grid.
    void cmdCsvTimeTable_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void subDispHoliday();
    void sizeGrid();
    void formatGrid();
    void fillBlock(int firstColumn, const TallyBlock& block);
    void clearFigures();
    // The year's plan and results against the standard hours (later catalogues only).
    void fillStandard();
    int rowCount() const { return static_cast<int>(m_order.size()) + 1; }
    int colCount() const;

    AppState& m_state;
    Services& m_services;
    MonthCalendar* mvTimeTable = nullptr;
    Grid* gridTimeTable = nullptr;
    QPushButton* cmdCloseTimeTable = nullptr;
    QLabel* lblSurplus = nullptr;
    std::vector<Field> m_order; // the rows as formatted
    bool m_showsStandard = false;
    QPushButton* cmdCsvTimeTable = nullptr;
    QDate m_shownDate; // the date whose week the grid shows
};
