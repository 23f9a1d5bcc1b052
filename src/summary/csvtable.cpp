#include "summary/csvtable.h"

#include "core/mirteerror.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

// The name Qt knows the Windows Japanese code page by (its Shift_JIS is the Windows-31J table).
constexpr char kCp932[] = "Shift_JIS";

bool fitsCp932(const QString& text)
{
    QStringEncoder encoder(kCp932, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(kCp932, QStringDecoder::Flag::Stateless);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

QString firstMissing(const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!fitsCp932(one))
            return u"「%1」(U+%2)"_s.arg(
                one, QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0'));
    }
    return {};
}

} // namespace

std::optional<CsvEncoding> csvEncodingNamed(const QString& name)
{
    const QString n = name.toLower();
    if (n == u"utf-8"_s || n == u"utf8"_s)
        return CsvEncoding::Utf8WithBom;
    if (n == u"cp932"_s || n == u"shift_jis"_s || n == u"sjis"_s)
        return CsvEncoding::Cp932;
    return std::nullopt;
}

QString csvField(const QString& text)
{
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
                       text.contains(u'\r') || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

QByteArray csvBytes(const QList<QStringList>& rows, CsvEncoding encoding)
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i)
                text += u',';
            text += csvField(row[i]);
        }
        text += u"\r\n"_s;
    }
    if (encoding == CsvEncoding::Utf8WithBom)
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();

    if (fitsCp932(text)) {
        QStringEncoder encoder(kCp932, QStringEncoder::Flag::Stateless);
        return encoder.encode(text);
    }
    // Only now look for the cell, to name it.
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            if (!fitsCp932(rows[r][c])) {
                const QString column = rows.isEmpty() || c >= rows[0].size() ? QString() : rows[0][c];
                throw MirteError(u"%1行目の「%2」の欄に、シフトJIS（CP932）にない文字%3があります。"
                                 u"UTF-8 で保存してください。"_s.arg(QString::number(r + 1), column,
                                                                     firstMissing(rows[r][c])));
            }
    throw MirteError(u"シフトJIS（CP932）に変換できませんでした。UTF-8 で保存してください。"_s);
}
