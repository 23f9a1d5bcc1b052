// The real dialogs: message boxes, file dialogs, the printer dialog and the page set-up dialog.
#pragma once

#include "platform/dialogs.h"

class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool pageSetupDialog(QWidget* parent, QPrinter& printer, const QString& title) override;
};
