// The lower frame of the main window. It holds the current palette subject: its tag is the
// subject's caption and its mouse picture the subject's picture, shown as the pointer over the
// frame. A click on its own empty area is reported, so the window can drop the subject.
#pragma once

#include <QFrame>
#include <QPixmap>

class SubjectFrame : public QFrame {
    Q_OBJECT

public:
    explicit SubjectFrame(QWidget* parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // A null picture gives back the ordinary pointer.
    QPixmap mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap& picture);

Q_SIGNALS:
    // A press and release of the left button on the frame itself, outside every control on it.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool isEmptyArea(const QPoint& pos) const;

    QString m_tag;
    QPixmap m_mouseIcon;
    bool m_pressed = false;
};
