// Every user command runs through here, so that no error ever leaves a Qt event handler: a run-time
// error of the program, or any other, is shown in a message box titled "ミルテ".
#pragma once

#include <QString>
#include <functional>

class Dialogs;
class PlanFileError;
class QWidget;

void runUserCommand(Dialogs& dialogs, QWidget* window, const std::function<void()>& command);

// What a teacher is told about a plan file that could not be read or written: what failed, the
// file, and the line with its reason ("12 行目: …") where a line applies.
QString planFileErrorText(const PlanFileError& error, const QString& whatFailed);
