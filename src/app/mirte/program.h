// The window program's parts: the one plan state and the services every window is handed, the
// wizard and the main window. They live from start-up until the program ends.
#pragma once

#include "core/appstate.h"
#include "core/clock.h"
#include "platform/lazyprinter.h"
#include "platform/placementstore.h"
#include "platform/printer.h"
#include "platform/qtdialogs.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"

#include <QStringList>
#include <functional>
#include <memory>

class Wizard;
class frmMain;

// The plan file the desktop hands over (mirte FILE.rv): the one argument after the program's name
// when it names an existing file, else empty. Nothing else of the command line is read.
QString planFileArgument(const QStringList& arguments);

class Program {
public:
    using OpenPrinter = std::function<std::unique_ptr<Printer>(QPrinter&)>;

    // What a test puts in place of the real dialogs, clock, settings store and printer surface;
    // whatever is left empty is the real one.
    struct Overrides {
        Dialogs* dialogs = nullptr;
        const Clock* clock = nullptr;
        PlacementStore* placement = nullptr;
        OpenPrinter openPrinter;
        // Where copies of unsaved work are kept; empty for the teacher's own data folder.
        QString recoveryFolder;
    };

    Program();
    explicit Program(Overrides overrides);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up: the splash window, the plan defaults, the main window loaded but not shown, the
    // splash closed, the question about work a stopped run left unsaved, the main window shown.
    // Its first activation opens the wizard's start page, unless work was brought back or a plan
    // file was given and could be read; a file that cannot be read is reported first, and the
    // start page follows as usual. Brought-back work takes the place of the given file.
    void Main(const QString& planFile = {});

    frmMain* mainWindow() const { return m_main.get(); }
    Wizard& wizard() const { return *m_wizard; }
    AppState& state() { return m_state; }
    LazyPrinter& printer() { return m_printer; }

private:
    AppState m_state;
    QtDialogs m_qtDialogs;
    SystemClock m_systemClock;
    PlacementStore m_settings;
    LazyPrinter m_printer{QPrinter::HighResolution};
    WindowActivation m_activation;
    Services m_services;
    QString m_recoveryFolder;
    std::unique_ptr<Wizard> m_wizard;
    std::unique_ptr<frmMain> m_main;
};
