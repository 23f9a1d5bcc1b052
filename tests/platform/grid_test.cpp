// The grid as the annual plan page and the tally window use it.
#include "platform/grid.h"

#include "platform/twips.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setRows(4);
        grid.setCols(5);
        grid.resize(400, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    Grid grid;
};

TEST_F(GridTest, CellsAreAddressedFromZeroWithTheHeadingsAsCells)
{
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.cols(), 5);
    EXPECT_FALSE(grid.horizontalHeader()->isVisible());
    EXPECT_FALSE(grid.verticalHeader()->isVisible());

    grid.setTextMatrix(0, 1, QStringLiteral("計画"));
    grid.setTextMatrix(1, 0, QStringLiteral("国語"));
    grid.setTextMatrix(3, 4, QStringLiteral("32.1"));
    EXPECT_EQ(grid.textMatrix(0, 1), QStringLiteral("計画"));
    EXPECT_EQ(grid.textMatrix(1, 0), QStringLiteral("国語"));
    EXPECT_EQ(grid.textMatrix(3, 4), QStringLiteral("32.1"));
    EXPECT_EQ(grid.textMatrix(2, 2), QString());
    EXPECT_EQ(grid.textMatrix(9, 9), QString()) << "outside the grid reads empty";

    // The heading row and column look different from the body before anything is written.
    EXPECT_NE(grid.cellBackColor(0, 3), grid.cellBackColor(2, 3));
    EXPECT_EQ(grid.cellBackColor(0, 3), grid.cellBackColor(2, 0));

    // Growing the grid gives the new heading cells their look too.
    grid.setRows(6);
    grid.setCols(7);
    EXPECT_EQ(grid.cellBackColor(5, 0), grid.cellBackColor(0, 6));
    EXPECT_NE(grid.cellBackColor(5, 6), grid.cellBackColor(5, 0));
}

// Rows set before the columns exist, and writes outside the grid, make no cells: Qt would neither
// show nor own them (LeakSanitizer reported them as lost).
TEST(GridSizes, RowsBeforeColumnsAndWritesOutsideMakeNoStrayCells)
{
    Grid grid;
    grid.setRows(3);
    EXPECT_EQ(grid.item(1, 0), nullptr);
    grid.setTextMatrix(2, 0, QStringLiteral("国語"));
    grid.setCellForeColor(2, 0, Qt::red);
    grid.setCellBackColor(2, 0, Qt::blue);
    grid.setCellCentered(2, 0);
    EXPECT_EQ(grid.textMatrix(2, 0), QString());

    grid.setCols(2);
    ASSERT_NE(grid.item(2, 0), nullptr) << "the heading column gets its cells once it exists";
    EXPECT_EQ(grid.cellBackColor(2, 0), grid.cellBackColor(0, 1));
    EXPECT_NE(grid.cellBackColor(2, 0), grid.cellBackColor(2, 1));
    EXPECT_EQ(grid.textMatrix(2, 0), QString()) << "nothing written before is there";
    grid.setTextMatrix(5, 5, QStringLiteral("x"));
    EXPECT_EQ(grid.item(5, 5), nullptr);
}

TEST_F(GridTest, EachCellKeepsItsOwnColours)
{
    const QColor red(255, 0, 0), blue(0, 0, 255), yellow(255, 255, 192);
    grid.setCellForeColor(1, 2, red);
    grid.setCellForeColor(1, 3, blue);
    grid.setCellBackColor(1, 2, yellow);
    EXPECT_EQ(grid.cellForeColor(1, 2), red);
    EXPECT_EQ(grid.cellForeColor(1, 3), blue);
    EXPECT_EQ(grid.cellBackColor(1, 2), yellow);
    EXPECT_EQ(grid.cellBackColor(1, 3), grid.cellBackColor(2, 3));
    EXPECT_EQ(grid.cellForeColor(2, 2), QColor(Qt::black));

    // Writing the text afterwards keeps the colours, and the screen shows them.
    grid.setTextMatrix(1, 2, QStringLiteral("-2.0"));
    EXPECT_EQ(grid.cellForeColor(1, 2), red);
    const QRect r = grid.visualRect(grid.model()->index(1, 2));
    const QImage image = grid.viewport()->grab(r).toImage();
    EXPECT_EQ(image.pixelColor(2, 2), yellow);
    bool hasRed = false;
    for (int y = 0; y < image.height() && !hasRed; ++y)
        for (int x = 0; x < image.width() && !hasRed; ++x)
            hasRed = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 120;
    EXPECT_TRUE(hasRed) << "the text is drawn in its colour";
}

TEST_F(GridTest, WidthsAndHeightsReadBackAsSetInTwips)
{
    for (int twips : {1500, 1000, 735, 1, 0}) {
        grid.setColWidthTwips(3, twips);
        EXPECT_EQ(grid.colWidthTwips(3), twips);
        EXPECT_EQ(grid.columnWidth(3), twipsToPixels(twips));
        grid.setRowHeightTwips(2, twips);
        EXPECT_EQ(grid.rowHeightTwips(2), twips);
        EXPECT_EQ(grid.rowHeight(2), twipsToPixels(twips));
    }
    // An unformatted column reads as its pixels, so a window can tell it has not set it yet.
    EXPECT_EQ(grid.colWidthTwips(4), int(pixelsToTwips(grid.columnWidth(4))));
    grid.setColWidthTwips(4, 1000);
    grid.setColumnWidth(4, 10);
    EXPECT_EQ(grid.colWidthTwips(4), 150) << "a width changed since reads as it is";
}

TEST_F(GridTest, CentredCellsAndAFontName)
{
    EXPECT_FALSE(grid.isCellCentered(1, 1));
    grid.setCellCentered(1, 1);
    EXPECT_TRUE(grid.isCellCentered(1, 1));
    EXPECT_FALSE(grid.isCellCentered(1, 2));
    EXPECT_EQ(Qt::Alignment(grid.item(1, 1)->textAlignment()), Qt::AlignCenter);

    grid.setGridFontName(QStringLiteral("IPAPGothic"));
    EXPECT_EQ(grid.font().family(), QStringLiteral("IPAPGothic"));
}

TEST_F(GridTest, TheUserCannotEditCells)
{
    grid.setTextMatrix(1, 1, QStringLiteral("12.0"));
    const QRect r = grid.visualRect(grid.model()->index(1, 1));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, r.center());
    QTest::keyClicks(grid.viewport(), QStringLiteral("99"));
    QTest::keyClick(grid.viewport(), Qt::Key_F2);
    QTest::keyClick(grid.viewport(), Qt::Key_Return);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("12.0"));
    EXPECT_FALSE(grid.item(1, 1)->flags() & Qt::ItemIsEditable);
}

} // namespace
