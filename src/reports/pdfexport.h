// Prints a sheet to an A4 PDF file without any dialog, for the command-line companion and tools.
#pragma once

#include <QString>

struct AppState;
struct SchoolSummary;

enum class Sheet { Year, WeekPlan };

// Needs a QGuiApplication (fonts, pictures). Maps the sheets' font names onto the installed fonts.
// Throws MirteError when the file cannot be written. The annual sheet recomputes objYearResult.
void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath);

// The whole-school sheet, one page per school year.
void printSchoolSummaryToPdf(const SchoolSummary& summary, const QString& outPath);
