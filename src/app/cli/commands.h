// The commands of mirte-cli, one source file each; main.cpp lists them in its table.
#pragma once

#include "command.h"

int runCheck(const QStringList& arguments, CliContext& context);
int runTally(const QStringList& arguments, CliContext& context);
int runProjection(const QStringList& arguments, CliContext& context);
int runStandard(const QStringList& arguments, CliContext& context);
int runSchoolDays(const QStringList& arguments, CliContext& context);
int runHolidays(const QStringList& arguments, CliContext& context);
int runRestDays(const QStringList& arguments, CliContext& context);
int runResave(const QStringList& arguments, CliContext& context);
// Need a QGuiApplication: main() creates one for print, and for summary when it writes a PDF.
int runPrint(const QStringList& arguments, CliContext& context);
int runSummary(const QStringList& arguments, CliContext& context);
