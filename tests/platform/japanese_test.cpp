// Start-up set-up for Japanese: Qt's own texts and the fonts the sheets name.
#include "platform/japanese.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(JapaneseTest, TheSheetsFontNamesResolveToTheIpaFonts)
{
    installFontSubstitutions();
    const struct {
        QString named, installed;
    } cases[] = {
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QFont::substitute(c.named).toLower(), c.installed.toLower()) << c.named.toStdString();
        if (!QFontDatabase::families().contains(c.installed))
            continue; // the mapping holds; the font itself is not on this machine
        EXPECT_EQ(QFontInfo(QFont(c.named)).family().toStdString(), c.installed.toStdString());
    }
}

TEST(JapaneseTest, QtsOwnButtonsSpeakJapanese)
{
    if (!installQtTranslations(*qApp))
        GTEST_SKIP() << "qtbase_ja is not installed";
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

} // namespace
