// The weekly timetable page: a subject picked on the palette is stamped on the periods of a Monday
// to Saturday grid; every click is stored in the weekly timetable at once and the weekly hours of
// each subject are shown.
#pragma once

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class Wizard;
struct AppState;
struct Services;

class frmWiz5 : public QWidget {
    Q_OBJECT

public:
    frmWiz5(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);

    void subDispWeekTime();

public Q_SLOTS:
    void Form_Activate();
    void cmdWiz5Subject_Click(int index);
    void cmdWiz5Plan_Click(int weekday, int period);
    void cmdWiz5Next_Click();
    void cmdWiz5Before_Click();
    void cmdWiz5Cancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows an initial on a period button; the button keeps the initial for the day's string.
    // The timetable palette of the plan's catalogue.
    void applyCatalogue();
    void setPeriod(int weekday, int period, QChar initial);
    QPushButton* planButton(int weekday, int period) const;

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;

    QLabel* lblWiz5Note;
    QGroupBox* fraWiz5Palette;
    std::array<QPushButton*, 15> cmdWiz5Subject{}; // the longest palette; the plan's catalogue shows its own
    QLabel* imgWiz5Subject;                        // the current subject's picture
    QGroupBox* fraWiz5WeekPlan;
    // [weekday][period]: cmdWiz5MonPlan … cmdWiz5SatPlan.
    std::array<std::array<QPushButton*, 7>, 6> cmdWiz5Plan{};
    std::array<std::array<QChar, 7>, 6> m_initials{};
    std::array<QLabel*, 7> lblWiz5Week{}; // 月 … 土 and 週間時数
    std::array<QLabel*, 7> lblWiz5Time{}; // periods 0 … 6
    std::array<QLabel*, 15> lblWiz5WeekTime{};
    QPushButton* cmdWiz5Next;
    QPushButton* cmdWiz5Before;
    QPushButton* cmdWiz5Cancel;

    int m_current = -1; // palette index of the current subject; none at first
    QString m_palette;  // the initials the palette shows, in its order
};
