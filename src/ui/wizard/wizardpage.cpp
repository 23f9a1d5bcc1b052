#include "ui/wizard/wizardpage.h"

#include "core/mirteerror.h"
#include "ui/common/services.h"
#include "ui/common/typedtextguard.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <exception>

void setUpWizardPage(QWidget* page)
{
    page->setWindowFlag(Qt::Window);
    page->setWindowTitle(kWizardCaption);
    page->setAccessibleName(kWizardCaption);
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    // Enter presses the focused button, as Space does; outside a dialog that is all this changes.
    button->setAutoDefault(true);
    return button;
}

QPushButton* makeNextButton(QWidget* parent, const QString& objectName)
{
    QPushButton* button = makeButton(parent, objectName, QStringLiteral("次へ"));
    button->setIcon(parent->style()->standardIcon(QStyle::SP_ArrowForward));
    button->setLayoutDirection(Qt::RightToLeft); // the arrow after the caption
    button->setMinimumWidth(96);
    return button;
}

QPushButton* makeBeforeButton(QWidget* parent, const QString& objectName)
{
    QPushButton* button = makeButton(parent, objectName, QStringLiteral("前へ"));
    button->setIcon(parent->style()->standardIcon(QStyle::SP_ArrowBack));
    button->setMinimumWidth(96);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeNote(QWidget* parent, const QString& objectName)
{
    QLabel* note = makeLabel(parent, objectName, QString(), true);
    note->setAccessibleName(kTypedTextNoteName);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20)); // dark red, readable on the page
    note->setPalette(palette);
    note->hide();
    return note;
}

void addButtonRow(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        if (!button)
            continue;
        button->setMinimumWidth(std::max(button->minimumWidth(), 96));
        row->addWidget(button);
    }
    layout->addLayout(row);
}
