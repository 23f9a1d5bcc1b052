// The real dialogs: message boxes, file dialogs, the printer dialog and the page set-up dialog.
#pragma once

#include "platform/dialogs.h"

#include <memory>

class QMessageBox;

class QtDialogs final : public Dialogs {
public:
    // The message box as message() shows it, for a look at it without running it.
    static std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, Buttons buttons,
                                                       Icon icon, const QString& title);

    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& title) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool pageSetupDialog(QWidget* parent, QPrinter& printer, const QString& title) override;
};
