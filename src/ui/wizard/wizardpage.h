// What every page of the setup wizard shares: its caption and window kind, the buttons along its
// foot, and the guard that keeps an error of a user command inside a message box.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;
struct Services;

inline const QString kWizardCaption = QStringLiteral("学級計画・授業計画ウィザード");

// A top-level, non-modal window with the wizard's caption.
void setUpWizardPage(QWidget* page);

// A button named `objectName`, with its caption as accessible name, pressed by Space and Enter.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption);
// "次へ" and "前へ" with their arrows.
QPushButton* makeNextButton(QWidget* parent, const QString& objectName);
QPushButton* makeBeforeButton(QWidget* parent, const QString& objectName);
// A label named `objectName` whose accessible name is its text.
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, bool wrap = false);
// A note shown beside a box only when there is something to say about what was typed.
QLabel* makeNote(QWidget* parent, const QString& objectName);

// The foot row of a page: the buttons right-aligned in the order given (null ones left out).
void addButtonRow(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons);
