// The window program's parts: the one plan state and the services every window is handed, the
// wizard and the main window. They live from start-up until the program ends.
#pragma once

#include "core/appstate.h"
#include "core/clock.h"
#include "platform/placementstore.h"
#include "platform/qtdialogs.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"

#include <QPrinter>
#include <memory>

class Wizard;
class frmMain;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up: the splash window, the plan defaults, the main window loaded but not shown, the
    // splash closed, the main window shown (its first activation opens the wizard's start page).
    void Main();

    frmMain* mainWindow() const { return m_main.get(); }
    AppState& state() { return m_state; }

private:
    AppState m_state;
    QtDialogs m_dialogs;
    SystemClock m_clock;
    PlacementStore m_placement;
    QPrinter m_printer{QPrinter::HighResolution};
    WindowActivation m_activation;
    Services m_services;
    std::unique_ptr<Wizard> m_wizard;
    std::unique_ptr<frmMain> m_main;
};
