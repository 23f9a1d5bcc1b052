// The main window: the school year's calendar, and below it the shown week in which the teacher
// stamps the subjects taught, names the day's event and registers each day.
#pragma once

#include "ui/main/weekview.h"
#include "ui/wizard/wizard.h"

#include <QDate>
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

struct AppState;
struct RivoDayTime;
struct Services;
class ColumnHeading;
class MonthCalendar;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;
class SubjectFrame;
class frmDispTimeTable;
class frmSchoolSummary;
class frmPrint;
class HelpWindow;
class PlanSession;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(AppState& state, Services& services, Wizard& wizard, QWidget* parent = nullptr);
    ~frmMain() override;

    // Opens the help at its contents for the window; false when there is no help to show. The
    // program's own help window unless a test puts another in its place.
    using HelpViewer = std::function<bool(QWidget* owner)>;
    void setHelpViewer(HelpViewer viewer) { m_helpViewer = std::move(viewer); }

    // The plan's life with its file, behind the file menu.
    PlanSession& session() { return *m_session; }

    // Once, when the program loads the window: the saved placement.
    void Form_Load();
    // Whenever the window becomes the program's active window (registered with the activation).
    void Form_Activate();

    // The dates of the shown week's rows, Monday to Saturday; the zero date for an empty row.
    const std::array<QDate, 7>& rowDates() const { return dateRow; }

public Q_SLOTS:
    // Shows the week of a date; also called by activation and by the file commands.
    void MonthView1_DateClick(const QDate& date);
    void MonthView1_Click();
    // Bold for every visible school day of the calendar, normal weight for the others.
    void subDispHoliday();
    // Hides the period buttons, event boxes and register buttons of all six rows.
    void subUnvisibleButton();

    void cmdSubject_Click(int index);
    void cmdSubject_MouseDown(int index, Qt::MouseButton button);
    void fraSubject_Click();

    void cmdMon_Click(int index);
    void cmdTue_Click(int index);
    void cmdWed_Click(int index);
    void cmdThu_Click(int index);
    void cmdFri_Click(int index);
    void cmdSat_Click(int index);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    // The plan-file life cycle. Close, new, open and exit first offer to save an open plan and
    // stop when the teacher wanted it saved and it was not.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();

    void mnuEditModifyScedule_Click();
    void mnuEditModifyHoliday_Click();
    void mnuEditModifySpecial_Click();
    void mnuEditModifyTimeCredit_Click();
    void mnuEditModifyWeek_Click();
    void mnuEditModifyYear_Click();

    void mnuViewShowTimeTable_Click();
    void mnuViewSchoolSummary_Click();
    void mnuHelpContents_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one row of the week, Monday (0) to Saturday (5).
    struct Row {
        QLabel* label = nullptr;
        std::array<QToolButton*, kPeriodCount>* periods = nullptr;
        QComboBox* event = nullptr;
        QPushButton* command = nullptr;
    };

    void buildMenus();
    void buildCalendarBand();
    void buildSubjectArea();
    void buildPalette();
    // The palette of the plan's catalogue; nothing to do while it already shows it.
    void applyPalette();
    void buildWeekRows();
    void buildStatusBar();

    void Form_Unload();
    // After close: 開く again, and the week of 1 April of the same school year.
    void showEmptyPlan();
    bool showHelp(QWidget* owner);
    void applyPlacement(bool forceWidth);
    void applyMenuRule();
    void updateClockPanels();

    void fillRow(int r, const WeekRow& row);
    void showStamp(QToolButton* button, const QString& caption, const QPixmap& picture);
    void stamp(QToolButton* button);
    void registerOrCancel(int r);
    void setRowLocked(int r, bool locked);
    // Puts the note beside the event box whose typed text it speaks of.
    void placeNote(QLineEdit* box);
    void nameRow(int r);
    std::array<QString, kPeriodCount> rowCaptions(int r) const;

    AppState& m_state;
    Services& m_services;
    Wizard& m_wizard;
    std::unique_ptr<PlanSession> m_session;

    // Everything below the menu bar; it scrolls when the window is made smaller than the form.
    QWidget* m_client = nullptr;

    // Controls, named as the window names them.
    QFrame* fraCalenderMain = nullptr;
    MonthCalendar* MonthView1 = nullptr;
    SubjectFrame* fraSubject = nullptr;
    QGroupBox* fraPalette = nullptr;
    std::array<QPushButton*, 18> cmdSubject{}; // the longest palette; the plan's catalogue shows its own
    QString m_paletteInitials;                 // the catalogue the palette shows
    QLabel* lblMainComment = nullptr;
    ColumnHeading* Label7 = nullptr;
    std::array<QLabel*, kWeekRows> Label2{};
    std::array<QToolButton*, kPeriodCount> cmdMon{}, cmdTue{}, cmdWed{}, cmdThu{}, cmdFri{}, cmdSat{};
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr, *Combo5 = nullptr,
              *Combo6 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr;
    QLabel* lblMainCancel = nullptr;
    QLabel* lblMainNote = nullptr; // what an event box left out of a typed text
    QStatusBar* sbStatusBar = nullptr;
    std::array<QLabel*, 3> sbPanels{};
    QTimer* m_clockTimer = nullptr;

    QMenu *mnuFile = nullptr, *mnuEdit = nullptr, *mnuView = nullptr, *mnuHelp = nullptr;
    QAction *mnuFileNew = nullptr, *mnuFileOpen = nullptr, *mnuFileClose = nullptr, *mnuFileBar0 = nullptr,
            *mnuFileSave = nullptr, *mnuFileSaveAs = nullptr, *mnuFileBar1 = nullptr,
            *mnuFilePageSetup = nullptr, *mnuFilePrint = nullptr, *mnuFileBar2 = nullptr,
            *mnuFileExit = nullptr;
    QAction *mnuEditModifyScedule = nullptr, *mnuEditModifyHoliday = nullptr, *mnuEditModifySpecial = nullptr,
            *mnuEditModifyTimeCredit = nullptr, *mnuEditModifyWeek = nullptr, *mnuEditModifyYear = nullptr;
    QAction* mnuViewShowTimeTable = nullptr;
    QAction* mnuViewSchoolSummary = nullptr;
    QAction* mnuHelpContents = nullptr;

    // Windows opened from the menus, created on first use.
    std::unique_ptr<frmDispTimeTable> m_timeTable;
    std::unique_ptr<frmSchoolSummary> m_schoolSummary;
    std::unique_ptr<frmPrint> m_print;
    std::unique_ptr<HelpWindow> m_help;
    HelpViewer m_helpViewer;

    std::array<Row, kWeekRows> m_rows{};
    std::array<QDate, 7> dateRow;                 // entry 6 unused
    std::array<QString, kWeekRows> m_rowSubjects; // each row's subject string as last loaded or stored
};
