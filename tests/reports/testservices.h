// Services for the window tests: scripted dialogs, a fixed "today", and a recording printer behind
// the program's printer.
#pragma once

#include "core/clock.h"
#include "platform/lazyprinter.h"
#include "platform/placementstore.h"
#include "platform/recordingprinter.h"
#include "reports/scaledprinter.h"
#include "scripteddialogs.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"

#include <functional>
#include <memory>

struct TestServices {
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2001, 10, 17)};
    PlacementStore placement;
    LazyPrinter printer;
    WindowActivation activation;
    // What the sheets drew; every opened printer draws onto it.
    RecordingPrinter recording;
    int printersOpened = 0;
    // Replaces the recording printer, e.g. by one on a device that refuses to print.
    std::function<std::unique_ptr<Printer>(QPrinter&)> open;

    Services services{dialogs,
                      clock,
                      placement,
                      printer,
                      [this](QPrinter& device) -> std::unique_ptr<Printer> {
                          ++printersOpened;
                          if (open)
                              return open(device);
                          return std::make_unique<ScaledPrinter>(recording, 1.0);
                      },
                      activation};
};
