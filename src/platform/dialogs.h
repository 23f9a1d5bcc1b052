// Every message box and common dialog of the program goes through this interface, so tests can
// script the answers. QtDialogs shows the real ones.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// The plan files' filter as the program names it: label, "|", pattern.
inline const QString kPlanFileFilter = QStringLiteral("zuviziz (*.rv)|*.rv");
inline const QString kApplicationTitle = QStringLiteral("ミルテ");

class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None, const QString& title = kApplicationTitle) = 0;
    // The chosen path, or an empty text when the user cancelled. No default extension is added.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // Several existing files at once; empty when the user cancelled.
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter) = 0;
    // An existing folder; empty when the user cancelled.
    virtual QString folderName(QWidget* parent, const QString& title) = 0;
    // The printer dialog; true when the user chose to print.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    // Paper, orientation and margins of the printer the sheets use; true when accepted.
    virtual bool pageSetupDialog(QWidget* parent, QPrinter& printer, const QString& title) = 0;
};
