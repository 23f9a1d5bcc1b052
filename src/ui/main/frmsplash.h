// The splash window shown while the program starts: product name, version and the notices.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Writes the version and the product name; runs once, when the window is created.
    void Form_Load();

private:
    QFrame* fraMainFrame;
    QLabel* picLogo;
    QLabel* lblProductName;
    QLabel* lblPlatform;
    QLabel* lblVersion;
    QLabel* lblWarning;
    QLabel* lblCompany;
    QLabel* lblCopyright;
};

// The logo, drawn at run time: a sprig of myrtle, the plant the program is named after.
QPixmap drawLogo(int pixels);
