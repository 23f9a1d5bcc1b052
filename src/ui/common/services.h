// The services every window is handed at construction: dialogs, "today", the saved placement, the
// printer the sheets use, and window activation. The program passes real ones, tests scripted ones.
#pragma once

#include "core/clock.h"
#include "platform/dialogs.h"
#include "platform/placementstore.h"
#include "platform/printer.h"

#include <functional>
#include <memory>

class LazyPrinter;
class QPrinter;
class WindowActivation;

struct Services {
    Dialogs& dialogs;
    const Clock& clock;
    PlacementStore& placement;
    // The one printer that page set-up configures and every sheet prints on, made on first use.
    LazyPrinter& printer;
    // Opens a drawing surface on that printer after its dialog was accepted: a PainterPrinter in
    // the program, a RecordingPrinter in tests.
    std::function<std::unique_ptr<Printer>(QPrinter&)> openPrinter;
    WindowActivation& activation;
};
