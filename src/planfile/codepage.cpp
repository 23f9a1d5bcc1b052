#include "planfile/codepage.h"

#include "core/mirteerror.h"
#include "planfile/planformat.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

// The three bytes Qt maps to one another's code points. None of them is ever the second byte of a
// double-byte character, so they can be taken out of the byte stream before Qt decodes the rest.
bool isSwappedControl(char16_t c)
{
    return c == 0x1A || c == 0x1C || c == 0x7F;
}

[[noreturn]] void noTable()
{
    throw MirteError(u"シフトJIS（CP932）の文字コード表がありません。"_s);
}

// Calls `run` for each stretch between the swapped controls and `control` for each of them.
template <typename Unit, typename Run, typename Control>
bool splitAtControls(const Unit* data, qsizetype size, Run run, Control control)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && !isSwappedControl(static_cast<char16_t>(data[i])))
            continue;
        if (i > start && !run(start, i - start))
            return false;
        if (i < size)
            control(static_cast<char16_t>(data[i]));
        start = i + 1;
    }
    return true;
}

} // namespace

std::optional<QString> decodeCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder(kPlanCodePage, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        noTable();
    QString text;
    text.reserve(bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const bool ok = splitAtControls(
        data, bytes.size(),
        [&](qsizetype start, qsizetype length) {
            text += decoder.decode(bytes.sliced(start, length));
            return !decoder.hasError();
        },
        [&](char16_t control) { text += QChar(control); });
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeCodePage(QStringView text)
{
    QStringEncoder encoder(kPlanCodePage, QStringEncoder::Flag::Stateless);
    QStringDecoder decoder(kPlanCodePage, QStringDecoder::Flag::Stateless);
    if (!encoder.isValid() || !decoder.isValid())
        noTable();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    const bool ok = splitAtControls(
        text.utf16(), text.size(),
        [&](qsizetype start, qsizetype length) {
            const QStringView run = text.sliced(start, length);
            const QByteArray encoded = encoder.encode(run);
            if (encoder.hasError())
                return false;
            // Qt writes a look-alike for some characters the code page lacks; only what reads back
            // as the same text is the character itself.
            const QString back = decoder.decode(encoded);
            if (decoder.hasError() || back != run)
                return false;
            bytes += encoded;
            return true;
        },
        [&](char16_t control) { bytes += static_cast<char>(control); });
    if (!ok)
        return std::nullopt;
    return bytes;
}
