// Saving a table as a CSV file the teacher names: the save dialog, ".csv" added to a name without
// an extension, and a write that leaves an existing file as it was when it fails.
#pragma once

#include "summary/csvtable.h"

#include <QString>

struct Services;
class QWidget;

// The path written, or an empty text when the teacher cancelled. Throws MirteError when the table
// cannot be encoded or the file cannot be written.
QString saveCsvFile(Services& services, QWidget* parent, const QString& title, const QList<QStringList>& rows,
                    CsvEncoding encoding);

// The dialog's filter for CSV files.
inline const QString kCsvFileFilter = QStringLiteral("CSV (*.csv)|*.csv");
