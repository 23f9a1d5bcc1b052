#include "platform/filefilter.h"

#include <QStringList>

QString toQtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (label.isEmpty() && pattern.isEmpty())
            continue;
        if (pattern.isEmpty()) {
            entries << label;
            continue;
        }
        // Qt reads the patterns from the parentheses of the label; add them when the label lacks them.
        const QString patterns = QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (label.isEmpty())
            entries << QStringLiteral("(%1)").arg(patterns);
        else if (label.contains(QLatin1Char('(')) && label.endsWith(QLatin1Char(')')))
            entries << label;
        else
            entries << QStringLiteral("%1 (%2)").arg(label, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}
