// Tables as CSV files that spreadsheets open as they are: fields quoted where they need it, CR LF
// line ends, UTF-8 with a byte order mark (which spreadsheets in Japan need to read it as UTF-8) or
// the Windows Japanese code page for older tools.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class CsvEncoding { Utf8WithBom, Cp932 };

// "utf-8" (also "utf8") or "cp932" (also "shift_jis", "sjis"), in any case.
std::optional<CsvEncoding> csvEncodingNamed(const QString& name);

// The first row is the heading. A cell that the code page cannot hold is refused with a
// MirteError naming its row and column heading; nothing is replaced silently.
QByteArray csvBytes(const QList<QStringList>& rows, CsvEncoding encoding);

// One field as written: quoted when it holds a comma, a quote, a line break or a leading or
// trailing space; quotes inside doubled.
QString csvField(const QString& text);
