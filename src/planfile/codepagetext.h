// What a text line of the plan file can hold: the characters of its code page. Used where such
// texts are typed, so that a character the file cannot hold is caught at once, and by the writer.
#pragma once

#include <QString>
#include <QStringList>

// Whether the code page holds the text exactly: it encodes without a substitute and decodes back
// to the same characters (a character with only a look-alike in the code page comes back changed).
bool fitsCodePage(const QString& text);

// The character the code page has in place of a look-alike that input methods and other programs
// give (〜 U+301C → ～ U+FF5E), or 0 when the character has none.
char32_t codePageLookAlike(char32_t c);

// The characters of a text that the code page lacks, each once, in the order they first appear.
QStringList charactersOutsideCodePage(const QString& text);

struct TypedText {
    QString text;        // what the box keeps
    QStringList refused; // the characters left out, each once, in the order typed
};

// A typed text as a box keeps it: look-alikes become the code page's form, any other character
// the code page lacks is left out.
TypedText fitTypedText(const QString& typed);

// 「🎒」（U+1F392）: the code point names a character that the font lacks or that does not show.
QString quotedCharacter(const QString& character);

// The note beside a box that left characters out:
// "「🎒」（U+1F392）は計画ファイルに保存できない文字なので入力できません。"
QString refusedCharactersNote(const QStringList& refused);
