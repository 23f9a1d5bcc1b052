// Services for driving the windows with nobody at the screen, as the benchmarks and the tools that
// render windows do: every question is answered No (a plain notice OK), no file or printer is
// chosen, the saved placement is neither read nor stored, and whatever is printed is only recorded.
#pragma once

#include "core/clock.h"
#include "platform/dialogs.h"
#include "platform/placementstore.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"

#include "platform/lazyprinter.h"

class QuietDialogs final : public Dialogs {
public:
    // Tools that render windows say on standard error what a message box would have shown.
    bool echoMessages = false;

    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& title) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool pageSetupDialog(QWidget* parent, QPrinter& printer, const QString& title) override;
};

// The default placement, never stored.
class DefaultPlacement final : public PlacementStore {
public:
    WindowPlacement load() const override { return {}; }
    void save(const WindowPlacement&) override {}
};

struct QuietServices {
    // `dialogs` replaces the quiet ones when a caller needs particular answers.
    explicit QuietServices(const QDateTime& now, Dialogs* dialogs = nullptr);
    explicit QuietServices(const QDate& today, Dialogs* dialogs = nullptr);

    QuietDialogs quietDialogs;
    FixedClock clock;
    DefaultPlacement placement;
    LazyPrinter printer;
    WindowActivation activation;
    Services services;
};
