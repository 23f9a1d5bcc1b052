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
