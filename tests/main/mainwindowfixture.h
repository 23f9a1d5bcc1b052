// The main window with its real wizard, a fixed clock, scripted dialogs and a placement kept in
// memory; helpers find controls by their names and drive them as the teacher does.
#pragma once

#include "core/appstate.h"
#include "core/clock.h"
#include "platform/lazyprinter.h"
#include "platform/placementstore.h"
#include "scripteddialogs.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/main/frmmain.h"
#include "ui/wizard/wizard.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

class MonthCalendar;

class MemoryPlacement final : public PlacementStore {
public:
    WindowPlacement load() const override { return stored; }
    void save(const WindowPlacement& placement) override
    {
        stored = placement;
        ++saves;
    }
    WindowPlacement stored;
    int saves = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Creates, loads and shows the window as start-up does.
    void open();

    template <typename T> T* child(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    MonthCalendar* calendar() const;
    QToolButton* period(int row, int index) const;
    QComboBox* eventBox(int row) const;
    QPushButton* command(int row) const;
    QLabel* dateLabel(int row) const;
    bool shown(const QWidget* w) const { return w->isVisibleTo(window.get()); }

    // Clicks a date on the calendar, bringing its month into view first.
    void pick(const QDate& date);
    void pickSubject(int paletteIndex);
    void click(QAbstractButton* button);
    // Clicks the lower frame where no control is: drops the palette subject.
    void clickEmptyArea();
    // Types text as an input method commits it, the way Japanese reaches a box.
    static void type(QWidget* box, const QString& text);

    AppState state;
    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2001, 10, 17), QTime(9, 0))};
    MemoryPlacement placement;
    LazyPrinter printer;
    WindowActivation activation;
    Services services;
    Wizard wizard{state, services};
    std::unique_ptr<frmMain> window;
};
