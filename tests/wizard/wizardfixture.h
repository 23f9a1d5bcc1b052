// A wizard over a fresh plan: the state after start-up, scripted dialogs, a fixed "today", and a
// stand-in main window that counts its activations.
#pragma once

#include "core/appstate.h"
#include "core/clock.h"
#include "platform/placementstore.h"
#include "scripteddialogs.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"
#include "ui/wizard/wizard.h"

#include "platform/lazyprinter.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class WizardTest : public ::testing::Test {
protected:
    WizardTest();
    ~WizardTest() override;

    template <class T> T* control(Wizard::Step step, const QString& name)
    {
        T* found = wizard->page(step)->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPushButton* button(Wizard::Step step, const QString& name) { return control<QPushButton>(step, name); }

    // A left click on a control of a visible page.
    static void click(QWidget* widget);
    // Picks entry `index` of a combo box the way a user does, through its popup list.
    static void choose(QComboBox* box, int index);
    // Clicks an option button.
    static void clickOption(QAbstractButton* option);
    // Types text as the input method commits it (QTest types ASCII only).
    static void type(QWidget* widget, const QString& text);
    // Moves the focus to a widget as a mouse click would.
    static void focusByMouse(QWidget* widget);

    // The school year `year` with the holiday rules page's initial boxes (the year's equinox days) and
    // the given Saturday rule.
    void setUpYear(int year, int saturdayRule = 2);

    AppState state;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2001, 5, 10)};
    PlacementStore placement;
    LazyPrinter printer;
    WindowActivation activation;
    std::unique_ptr<Services> services;
    QWidget mainWindow;
    int mainActivations = 0;
    std::unique_ptr<Wizard> wizard;
};
