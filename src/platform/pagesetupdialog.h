// Page set-up for any printer, the PDF printer included: paper, orientation and margins in
// millimetres. Qt's own page set-up dialog serves native printers only.
#pragma once

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QDoubleSpinBox;
class QPrinter;
class QRadioButton;

class PageSetupDialog : public QDialog {
    Q_OBJECT

public:
    PageSetupDialog(QPrinter& printer, const QString& title, QWidget* parent = nullptr);

    // The layout as the dialog's controls stand.
    QPageLayout chosenLayout() const;
    // Writes the chosen layout to the printer; false when the printer cannot take it.
    bool applyTo(QPrinter& printer) const;

private:
    QComboBox* m_paper = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QDoubleSpinBox* m_left = nullptr;
    QDoubleSpinBox* m_top = nullptr;
    QDoubleSpinBox* m_right = nullptr;
    QDoubleSpinBox* m_bottom = nullptr;
};
