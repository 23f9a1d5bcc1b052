// The setup wizard's page sequence: each page is created on first use, then only hidden and shown
// again; exactly one page is visible at a time and the main window stays open behind it.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>

struct AppState;
struct Services;
class QString;
class QWidget;

class Wizard : public QObject {
    Q_OBJECT

public:
    enum class Step { Start = 0, Class, HolidayRules, HolidayCalendar, PeriodLengths, Timetable, AnnualPlan };

    // Reads a plan file into the state, which takes its name only once it was read; a bad file
    // changes nothing and throws PlanFileError.
    using PlanLoader = std::function<void(AppState&, const QString&)>;

    Wizard(AppState& state, Services& services, QObject* parent = nullptr);
    ~Wizard() override;

    // The page of a step, created on first use (tests reach its controls through it).
    QWidget* page(Step step);
    // Shows and activates the page of a step.
    void show(Step step);
    // Shows the next or previous page, then hides this one.
    void next(Step from);
    void before(Step from);
    // Hides the page and hands activation back to the main window.
    void leave(Step from);
    // Hides every page (the main window closes).
    void hideAll();

    // The start page reads plan files with LoadPlanFile unless told otherwise.
    void setPlanLoader(PlanLoader loader) { m_loadPlan = std::move(loader); }
    const PlanLoader& planLoader() const { return m_loadPlan; }

    // The start page tells that it read a plan file.
    void announcePlanOpened() { Q_EMIT planOpened(); }

Q_SIGNALS:
    // The start page read a plan file into the state.
    void planOpened();

private:
    std::unique_ptr<QWidget> createPage(Step step);

    AppState& m_state;
    Services& m_services;
    PlanLoader m_loadPlan;
    std::array<std::unique_ptr<QWidget>, 7> m_pages;
    std::array<bool, 7> m_placed{};
};
