// CSV on standard output: the bytes as the file would hold them, in the encoding --encoding names.
#pragma once

#include "command.h"

#include "summary/csvtable.h"

#include <optional>

// UTF-8 with a byte order mark unless --encoding says otherwise; UsageError for an unknown name.
CsvEncoding csvEncodingArgument(const std::optional<QString>& name);

// Throws MirteError for a text the encoding cannot hold (nothing is written then).
void writeCsv(CliContext& context, const QList<QStringList>& rows, CsvEncoding encoding);
