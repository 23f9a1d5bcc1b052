#include "ui/main/planbackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString backupFileName(const QString& planPath)
{
    const QFileInfo info(planPath);
    const QString name = info.fileName();
    const qsizetype dot = name.indexOf(u'.');
    const QString backup =
        dot < 0 ? name + QStringLiteral(".bak") : name.left(dot + 1) + QStringLiteral("bak");
    return info.dir().filePath(backup);
}

bool copyToBackup(const QString& planPath)
{
    const QFileInfo plan(planPath);
    if (!plan.isFile())
        return false;
    const QString backup = backupFileName(planPath);
    // "x.bak" is its own backup: removing the old backup would remove the plan.
    if (QFileInfo(backup).absoluteFilePath() == plan.absoluteFilePath())
        return false;
    // QFile::copy never overwrites.
    if (QFileInfo::exists(backup) && !QFile::remove(backup))
        return false;
    return QFile::copy(planPath, backup);
}
