#include "ui/help/helpwindow.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The text is compiled into this static library; it has to be registered by hand before first use.
static void initHelpResource()
{
    Q_INIT_RESOURCE(help);
}

QString helpFileName()
{
    initHelpResource();
    return QStringLiteral(":/help/help.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("ミルテ ヘルプ"));
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setAccessibleName(QStringLiteral("ヘルプの本文"));
    m_browser->setOpenLinks(true);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdHelpClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 720);
}

bool HelpWindow::showContents()
{
    if (!QFile::exists(helpFileName()))
        return false;
    m_browser->setSource(QUrl(QStringLiteral("qrc") + helpFileName()));
    m_browser->scrollToAnchor(QStringLiteral("contents"));
    return !m_browser->toPlainText().isEmpty();
}
