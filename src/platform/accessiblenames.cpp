#include "platform/accessiblenames.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// A combo box as a screen reader sees it: its list and, when editable, its text as children; its
// own name, or its text when it has none; its text as its value.
class AccessibleComboBox final : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return comboBox()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(comboBox()->view());
        if (index == 1 && comboBox()->isEditable())
            return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == comboBox()->view())
            return 0;
        if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        QLineEdit* edit = comboBox()->isEditable() ? comboBox()->lineEdit() : nullptr;
        if (edit && QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y))
            return child(1);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (!comboBox()->accessibleName().isEmpty())
                return comboBox()->accessibleName();
            break;
        case QAccessible::Value: return comboBox()->currentText();
        default: break;
        }
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? comboBox()->currentText() : own;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction()) {
            if (comboBox()->view()->isVisible())
                comboBox()->hidePopup();
            else
                comboBox()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object)
{
    // Asked for each class of the object's hierarchy in turn, so subclasses come here too.
    if (className == QLatin1String("QComboBox"))
        if (auto* box = qobject_cast<QComboBox*>(object))
            return new AccessibleComboBox(box);
    return nullptr;
}

} // namespace

void installAccessibleNames()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Factories installed later are asked first, so this one comes before Qt's own.
    QAccessible::installFactory(comboBoxFactory);
}
