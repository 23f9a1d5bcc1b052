// The bundled help opens at its contents and covers what a teacher needs.
#include "ui/help/helpwindow.h"

#include <QTextBrowser>
#include <gtest/gtest.h>

TEST(HelpWindow, OpensAtItsContentsWithEverySection)
{
    HelpWindow window;
    ASSERT_TRUE(window.showContents());
    const QString text = window.browser()->toPlainText();
    for (const char* heading : {"目次", "時数の書き方", "年度の設定", "実績の入力と登録", "集計表の見方",
                                "印刷", "計画ファイル", "32.1 は45分×32＋15分"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ミルテ ヘルプ"));
}

// Each sheet prints in its own orientation whatever the page set-up says; the help must not promise
// otherwise.
TEST(HelpWindow, PageSetUpIsForPaperAndMarginsNotTheOrientation)
{
    HelpWindow window;
    ASSERT_TRUE(window.showContents());
    const QString text = window.browser()->toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("向きや余白は"))) << "page set-up does not turn the sheets";
    EXPECT_FALSE(text.contains(QStringLiteral("用紙・向き・余白")));
    EXPECT_TRUE(text.contains(QStringLiteral("年間の時数集計表は横、週間時間割計画表は縦")));
    EXPECT_TRUE(text.contains(QStringLiteral("用紙と余白を設定します")));
}
