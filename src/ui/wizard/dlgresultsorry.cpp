#include "ui/wizard/dlgresultsorry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

dlgResultSorry::dlgResultSorry(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgResultSorry"));
    setWindowTitle(QStringLiteral("ごめんなさい"));
    setAccessibleName(windowTitle());
    setModal(false);

    lblResultSorry = new QLabel(
        QStringLiteral(
            "選んだ日は、実績が登録されています。休日にすることはできません。"
            "休日にするときは、実績登録画面で実績取消しをして、もう一度この画面で休日に選んでください。"),
        this);
    lblResultSorry->setObjectName(QStringLiteral("lblResultSorry"));
    lblResultSorry->setAccessibleName(lblResultSorry->text());
    lblResultSorry->setWordWrap(true);
    lblResultSorry->setMinimumWidth(320);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleName(QStringLiteral("OK"));
    OKButton->setDefault(true);
    OKButton->setMinimumWidth(88);

    auto* text = new QHBoxLayout;
    text->setSpacing(12);
    text->addWidget(icon);
    text->addWidget(lblResultSorry, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addLayout(text);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &dlgResultSorry::OKButton_Click);
}

void dlgResultSorry::OKButton_Click()
{
    hide();
}
