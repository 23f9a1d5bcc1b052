#include "layoutchecks.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
std::string nameOf(const QWidget* w)
{
    return (w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName()).toStdString();
}
} // namespace

void expectTextsFit(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // A scrolled area's content may well be larger than the part in view.
        if (QWidget* parent = w->parentWidget();
            parent && parent != window && !parent->isWindow() &&
            parent->objectName() != QLatin1String("qt_scrollarea_viewport")) {
            EXPECT_TRUE(parent->rect().contains(w->geometry()))
                << nameOf(w) << " sticks out of " << nameOf(parent);
        }

        const QFontMetrics metrics(w->font());
        if (w->inherits("ColumnHeading"))
            continue; // its words are placed over columns; checked where the columns are known
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->pixmap().isNull() && !label->text().isEmpty()) {
            const QRect area = label->contentsRect();
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(area.width()), area.height()) << nameOf(w) << " is cut";
            else
                EXPECT_LE(metrics.horizontalAdvance(label->text()), area.width()) << nameOf(w) << " is cut";
            EXPECT_LE(metrics.height(), area.height()) << nameOf(w) << " is too low for its text";
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            const int room = qobject_cast<QToolButton*>(w) ? w->width() - 4 : w->width() - 8;
            EXPECT_LE(metrics.horizontalAdvance(button->text()), room) << nameOf(w) << " is cut";
            EXPECT_LE(w->sizeHint().height(), w->height() + 2) << nameOf(w) << " is too low for its content";
        }
    }
}
