// The program's own help: a Japanese text bundled into the program, shown in a window of its own.
#pragma once

#include <QWidget>

class QTextBrowser;

// Where the bundled help lies; empty when the program was built without it.
QString helpFileName();

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the help at its contents; false when the help text cannot be read.
    bool showContents();

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
