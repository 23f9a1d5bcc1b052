#include "csvoutput.h"

#include <QIODevice>

using namespace Qt::StringLiterals;

CsvEncoding csvEncodingArgument(const std::optional<QString>& name)
{
    if (!name)
        return CsvEncoding::Utf8WithBom;
    if (const auto encoding = csvEncodingNamed(*name))
        return *encoding;
    throw UsageError(u"--encoding は utf-8 か cp932 です: %1"_s.arg(*name));
}

void writeCsv(CliContext& context, const QList<QStringList>& rows, CsvEncoding encoding)
{
    const QByteArray bytes = csvBytes(rows, encoding);
    context.out.flush();
    context.out.device()->write(bytes);
}
