#include "ui/main/subjectframe.h"

#include <QMouseEvent>

SubjectFrame::SubjectFrame(QWidget* parent) : QFrame(parent) {}

void SubjectFrame::setMouseIcon(const QPixmap& picture)
{
    m_mouseIcon = picture;
    if (picture.isNull())
        unsetCursor();
    else
        setCursor(QCursor(picture, picture.width() / 2, picture.height() / 2));
}

bool SubjectFrame::isEmptyArea(const QPoint& pos) const
{
    // Presses on labels and frames inside reach this frame too; only its own area counts.
    return rect().contains(pos) && childAt(pos) == nullptr;
}

void SubjectFrame::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton && isEmptyArea(event->position().toPoint());
    QFrame::mousePressEvent(event);
}

void SubjectFrame::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && isEmptyArea(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}
