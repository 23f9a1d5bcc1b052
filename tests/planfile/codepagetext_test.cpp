// What a typed text keeps of the characters the plan file cannot hold, and the note that names them.
#include "planfile/codepagetext.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

TEST(TypedText, LookAlikesBecomeTheCodePagesFormAndOtherCharactersStayOut)
{
    const struct {
        const char* name;
        QString typed;
        QString kept;
        QStringList refused;
    } cases[] = {
        {"wave dash as Linux input methods type it", u"9時〜12時"_s, u"9時～12時"_s, {}},
        {"minus, double bar, cent, pound, not", u"−‖¢£¬"_s, u"－∥￠￡￢"_s, {}},
        {"em dash", u"遠足—雨天"_s, u"遠足―雨天"_s, {}},
        {"emoji outside the code page", u"遠足🎒"_s, u"遠足"_s, {u"🎒"_s}},
        {"a kanji beyond the basic plane", u"𠮷田"_s, u"田"_s, {u"𠮷"_s}},
        {"an accented letter", u"café"_s, u"caf"_s, {u"é"_s}},
        {"each refused character named once, in typed order", u"a🎒b𠮷c🎒〜"_s, u"abc～"_s, {u"🎒"_s, u"𠮷"_s}},
        {"what the code page holds stays as it is", u"髙﨑①Ⅰ～ｱ㈱ 2組"_s, u"髙﨑①Ⅰ～ｱ㈱ 2組"_s, {}},
        {"empty", QString(), QString(), {}},
    };
    for (const auto& c : cases) {
        const TypedText fitted = fitTypedText(c.typed);
        EXPECT_EQ(fitted.text, c.kept) << c.name;
        EXPECT_EQ(fitted.refused, c.refused) << c.name;
        EXPECT_TRUE(fitsCodePage(fitted.text)) << c.name;
    }
}

TEST(TypedText, CharactersOutsideTheCodePageAreListedOnce)
{
    EXPECT_EQ(charactersOutsideCodePage(u"山田〜花子🎒〜"_s), (QStringList{u"〜"_s, u"🎒"_s}));
    EXPECT_TRUE(charactersOutsideCodePage(u"山田～花子"_s).isEmpty());
    EXPECT_FALSE(fitsCodePage(u"〜"_s)) << "decodes back as ～, so it is not held as it is";
    EXPECT_TRUE(fitsCodePage(u"～"_s));
}

TEST(TypedText, TheNoteNamesEveryRefusedCharacter)
{
    EXPECT_EQ(refusedCharactersNote({u"🎒"_s, u"𠮷"_s}),
              u"「🎒」（U+1F392）「𠮷」（U+20BB7）は計画ファイルに保存できない文字なので入力できません。"_s);
    // A character that does not show is named by its code point too.
    EXPECT_EQ(quotedCharacter(u"\u200B"_s), u"「\u200B」（U+200B）"_s);
    EXPECT_EQ(quotedCharacter(u"é"_s), u"「é」（U+00E9）"_s);
}
