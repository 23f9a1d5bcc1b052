#include "platform/placementstore.h"

#include <QSettings>
#include <cmath>

namespace {
// The store is keyed by the application title, as organisation and application alike.
const QString kTitle = QStringLiteral("ミルテ");

double readNumber(const QSettings& s, const QString& key, double fallback)
{
    bool ok = false;
    const double v = s.value(key).toString().trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : fallback;
}
} // namespace

WindowPlacement PlacementStore::load() const
{
    const WindowPlacement defaults;
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, kTitle, kTitle);
    s.beginGroup(QStringLiteral("Settings"));
    WindowPlacement p;
    p.left = readNumber(s, QStringLiteral("MainLeft"), defaults.left);
    p.top = readNumber(s, QStringLiteral("MainTop"), defaults.top);
    p.width = readNumber(s, QStringLiteral("MainWidth"), defaults.width);
    p.height = readNumber(s, QStringLiteral("MainHeight"), defaults.height);
    return p;
}

void PlacementStore::save(const WindowPlacement& placement)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, kTitle, kTitle);
    s.beginGroup(QStringLiteral("Settings"));
    s.setValue(QStringLiteral("MainLeft"), QString::number(float(placement.left)));
    s.setValue(QStringLiteral("MainTop"), QString::number(float(placement.top)));
    s.setValue(QStringLiteral("MainWidth"), QString::number(float(placement.width)));
    s.setValue(QStringLiteral("MainHeight"), QString::number(float(placement.height)));
}
