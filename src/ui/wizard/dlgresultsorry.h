// The apology shown when a day with registered lessons is clicked to become a day off. It does not
// block: the holiday calendar stays usable while it is open.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class dlgResultSorry : public QDialog {
    Q_OBJECT

public:
    explicit dlgResultSorry(QWidget* parent = nullptr);

public Q_SLOTS:
    void OKButton_Click();

private:
    QLabel* lblResultSorry;
    QPushButton* OKButton;
};
