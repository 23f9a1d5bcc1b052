// The main window's saved placement in the per-user settings.
#include "platform/placementstore.h"

#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

class PlacementStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QStandardPaths::isTestModeEnabled()) << "never touch the user's own settings";
        raw.clear();
        raw.sync();
    }
    void TearDown() override
    {
        raw.clear();
        raw.sync();
    }
    QSettings raw{QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ミルテ"),
                  QStringLiteral("ミルテ")};
};

TEST_F(PlacementStoreTest, MissingKeysGiveTheDefaults)
{
    const WindowPlacement p = PlacementStore().load();
    EXPECT_EQ(p.left, 1000);
    EXPECT_EQ(p.top, 1000);
    EXPECT_EQ(p.width, 10725);
    EXPECT_EQ(p.height, 9855);
}

TEST_F(PlacementStoreTest, AValueThatIsNotANumberGivesItsOwnDefault)
{
    const struct {
        QString text;
        double expected;
    } cases[] = {
        {QStringLiteral("abc"), 1000},   {QString(), 1000},
        {QStringLiteral("12abc"), 1000}, {QStringLiteral("nan"), 1000},
        {QStringLiteral("inf"), 1000},   {QStringLiteral(" 2500 "), 2500},
        {QStringLiteral("-300"), -300},  {QStringLiteral("1.5e3"), 1500},
    };
    for (const auto& c : cases) {
        raw.setValue(QStringLiteral("Settings/MainLeft"), c.text);
        raw.setValue(QStringLiteral("Settings/MainHeight"), QStringLiteral("7200"));
        raw.sync();
        const WindowPlacement p = PlacementStore().load();
        EXPECT_EQ(p.left, c.expected) << c.text.toStdString();
        EXPECT_EQ(p.top, 1000) << "a missing key beside it keeps its default";
        EXPECT_EQ(p.height, 7200);
    }
}

TEST_F(PlacementStoreTest, SavedValuesAreSinglePrecisionTextAndReadBack)
{
    WindowPlacement p;
    p.left = 1234.5;
    p.top = -60;
    p.width = 10725;
    p.height = 9855.123456789;
    PlacementStore().save(p);

    raw.sync();
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1234.5"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainTop")).toString(), QStringLiteral("-60"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("10725"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("9855.12"));

    const WindowPlacement back = PlacementStore().load();
    EXPECT_EQ(back.left, 1234.5);
    EXPECT_EQ(back.top, -60);
    EXPECT_EQ(back.width, 10725);
    EXPECT_NEAR(back.height, 9855.12, 1e-9);
}

} // namespace
