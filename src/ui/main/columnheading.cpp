#include "ui/main/columnheading.h"

#include <QPainter>
#include <QRegularExpression>

ColumnHeading::ColumnHeading(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ColumnHeading::setColumnCentres(const QList<int>& centres)
{
    m_centres = centres;
    update();
}

QStringList ColumnHeading::words() const
{
    static const QRegularExpression gaps(QStringLiteral("\u3000+"));
    return text().split(gaps, Qt::SkipEmptyParts);
}

void ColumnHeading::paintEvent(QPaintEvent* event)
{
    const QStringList parts = words();
    if (parts.size() != m_centres.size()) {
        QLabel::paintEvent(event); // no columns given: an ordinary label
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (int i = 0; i < parts.size(); ++i) {
        const int w = metrics.horizontalAdvance(parts[i]);
        p.drawText(QRect(m_centres[i] - w / 2, 0, w + 1, height()), Qt::AlignCenter, parts[i]);
    }
}
