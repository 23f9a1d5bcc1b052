#include "planfile/codepagetext.h"

#include "planfile/planformat.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

bool fitsCodePage(const QString& text)
{
    QStringEncoder encoder(kPlanCodePage, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(kPlanCodePage, QStringDecoder::Flag::Stateless);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

char32_t codePageLookAlike(char32_t c)
{
    switch (c) {
    case U'\u301C': return U'\uFF5E'; // 〜 → ～
    case U'\u2212': return U'\uFF0D'; // − → －
    case U'\u2016': return U'\u2225'; // ‖ → ∥
    case U'\u2014': return U'\u2015'; // — → ―
    case U'\u00A2': return U'\uFFE0'; // ¢ → ￠
    case U'\u00A3': return U'\uFFE1'; // £ → ￡
    case U'\u00AC': return U'\uFFE2'; // ¬ → ￢
    default: return 0;
    }
}

namespace {
// Calls `each` with every character of the text (a code point, so a surrogate pair stays whole).
template <typename F> void forEachCharacter(const QString& text, F each)
{
    for (const char32_t c : text.toUcs4())
        each(c, QString::fromUcs4(&c, 1));
}
} // namespace

QStringList charactersOutsideCodePage(const QString& text)
{
    QStringList outside;
    if (fitsCodePage(text))
        return outside;
    forEachCharacter(text, [&](char32_t, const QString& character) {
        if (!outside.contains(character) && !fitsCodePage(character))
            outside << character;
    });
    return outside;
}

TypedText fitTypedText(const QString& typed)
{
    TypedText fitted;
    if (fitsCodePage(typed)) {
        fitted.text = typed;
        return fitted;
    }
    forEachCharacter(typed, [&](char32_t c, const QString& character) {
        if (fitsCodePage(character)) {
            fitted.text += character;
        } else if (const char32_t alike = codePageLookAlike(c)) {
            fitted.text += QString::fromUcs4(&alike, 1);
        } else if (!fitted.refused.contains(character)) {
            fitted.refused << character;
        }
    });
    return fitted;
}

QString quotedCharacter(const QString& character)
{
    const QList<uint> points = character.toUcs4();
    const char32_t c = points.isEmpty() ? 0 : points.first();
    // The code point as well: a font may lack the character, and some do not show at all.
    return u"「%1」（U+%2）"_s.arg(character, QString::number(c, 16).toUpper().rightJustified(4, u'0'));
}

QString refusedCharactersNote(const QStringList& refused)
{
    QString named;
    for (const QString& character : refused)
        named += quotedCharacter(character);
    return named + u"は計画ファイルに保存できない文字なので入力できません。"_s;
}
