// The holiday calendar page: the school year on three term calendars with every school day bold.
// A click on a school day makes it a day off, a click on an added day off makes it a school day
// again; each click is stored at once and the school days of each term are counted.
#pragma once

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <array>

class MonthCalendar;
class QGroupBox;
class QLabel;
class QPushButton;
class Wizard;
class dlgResultSorry;
struct AppState;
struct Services;

class frmWiz3 : public QWidget {
    Q_OBJECT

public:
    frmWiz3(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

public Q_SLOTS:
    void Form_Activate();
    void mvWiz3Calendar_DateClick(int index, const QDate& date);
    void cmdWiz3Next_Click();
    void cmdWiz3Before_Click();
    void cmdWiz3Cancel_Click();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void writeLabels();
    void showSorry();

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QGroupBox* fraWiz3Month;
    std::array<MonthCalendar*, 3> mvWiz3Calendar{};
    std::array<QLabel*, 4> lblWiz3NumberOfSchoolDays{};
    QPushButton* cmdWiz3Next;
    QPushButton* cmdWiz3Before;
    QPushButton* cmdWiz3Cancel;
    QPointer<dlgResultSorry> m_sorry; // created on first use
};
