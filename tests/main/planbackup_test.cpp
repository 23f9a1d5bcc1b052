// The backup that "save as" keeps of the file it replaces: its name, and the copy itself.
#include "ui/main/planbackup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}
} // namespace

TEST(PlanBackup, NameIsTheFilesNameUpToItsFirstDotAndBak)
{
    const struct {
        const char* plan;
        const char* backup;
    } cases[] = {
        {"/home/t/plan.rv", "/home/t/plan.bak"},
        {"/home/t/plan", "/home/t/plan.bak"},                // no dot: the whole name and ".bak"
        {"/home/t/my.plan.rv", "/home/t/my.bak"},            // the first dot of the name
        {"/home/t.yamada/2-1.rv", "/home/t.yamada/2-1.bak"}, // a dotted folder stays the folder
        {"/home/t.yamada/plan", "/home/t.yamada/plan.bak"},
        {"/home/t/平成13年度.rv", "/home/t/平成13年度.bak"},
        {"/home/t/plan.", "/home/t/plan.bak"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(backupFileName(QString::fromUtf8(c.plan)).toStdString(), c.backup) << c.plan;
}

TEST(PlanBackup, CopyKeepsTheOldContentAndReplacesAnOlderBackup)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plan = dir.filePath(QStringLiteral("plan.rv"));
    const QByteArray old("old plan\r\nwith two lines\r\n");
    write(plan, old);
    write(dir.filePath(QStringLiteral("plan.bak")), "an older backup");

    ASSERT_TRUE(copyToBackup(plan));
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("plan.bak"))), old);
    EXPECT_EQ(contentOf(plan), old); // copied, never moved
}

TEST(PlanBackup, NothingIsCopiedOrLostWithoutAFileOfItsOwn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // No file yet: no backup, and an unrelated plan.bak stays.
    write(dir.filePath(QStringLiteral("plan.bak")), "someone's backup");
    EXPECT_FALSE(copyToBackup(dir.filePath(QStringLiteral("plan.rv"))));
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("plan.bak"))), QByteArray("someone's backup"));

    // A file named like its own backup is not removed to make room for itself.
    EXPECT_FALSE(copyToBackup(dir.filePath(QStringLiteral("plan.bak"))));
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("plan.bak"))), QByteArray("someone's backup"));

    // A folder is no plan file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("old.rv")));
    EXPECT_FALSE(copyToBackup(dir.filePath(QStringLiteral("old.rv"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("old.bak"))));
}
