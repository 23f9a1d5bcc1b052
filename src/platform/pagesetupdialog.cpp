#include "platform/pagesetupdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
struct Paper {
    QPageSize::PageSizeId id;
    const char* label;
};
// The sheets are laid out for A4; the other sizes are offered for printers that lack it.
constexpr Paper kPapers[] = {
    {QPageSize::A4, "A4 (210 × 297 mm)"},
    {QPageSize::B5, "B5 (176 × 250 mm)"},
    {QPageSize::A3, "A3 (297 × 420 mm)"},
    {QPageSize::Letter, "レター (216 × 279 mm)"},
};

QDoubleSpinBox* marginBox(const QString& name, double value)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(0, 100);
    box->setDecimals(1);
    box->setSingleStep(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}
} // namespace

PageSetupDialog::PageSetupDialog(QPrinter& printer, const QString& title, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("PageSetupDialog"));
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);

    m_paper = new QComboBox;
    m_paper->setObjectName(QStringLiteral("cboPaper"));
    m_paper->setAccessibleName(QStringLiteral("用紙サイズ"));
    for (const Paper& paper : kPapers)
        m_paper->addItem(QString::fromUtf8(paper.label), int(paper.id));
    const int current = m_paper->findData(int(layout.pageSize().id()));
    m_paper->setCurrentIndex(current >= 0 ? current : 0);

    auto* paperBox = new QGroupBox(QStringLiteral("用紙"));
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(QStringLiteral("サイズ(&Z):"), m_paper);

    m_portrait = new QRadioButton(QStringLiteral("縦(&O)"));
    m_portrait->setObjectName(QStringLiteral("optPortrait"));
    m_landscape = new QRadioButton(QStringLiteral("横(&A)"));
    m_landscape->setObjectName(QStringLiteral("optLandscape"));
    (layout.orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)->setChecked(true);
    auto* orientationBox = new QGroupBox(QStringLiteral("印刷の向き"));
    auto* orientationRow = new QHBoxLayout(orientationBox);
    orientationRow->addWidget(m_portrait);
    orientationRow->addWidget(m_landscape);
    orientationRow->addStretch();

    m_left = marginBox(QStringLiteral("txtMarginLeft"), margins.left());
    m_right = marginBox(QStringLiteral("txtMarginRight"), margins.right());
    m_top = marginBox(QStringLiteral("txtMarginTop"), margins.top());
    m_bottom = marginBox(QStringLiteral("txtMarginBottom"), margins.bottom());
    m_left->setAccessibleName(QStringLiteral("左の余白"));
    m_right->setAccessibleName(QStringLiteral("右の余白"));
    m_top->setAccessibleName(QStringLiteral("上の余白"));
    m_bottom->setAccessibleName(QStringLiteral("下の余白"));
    auto* marginGroup = new QGroupBox(QStringLiteral("余白 (ミリ)"));
    auto* marginGrid = new QFormLayout(marginGroup);
    marginGrid->addRow(QStringLiteral("左(&L):"), m_left);
    marginGrid->addRow(QStringLiteral("右(&R):"), m_right);
    marginGrid->addRow(QStringLiteral("上(&T):"), m_top);
    marginGrid->addRow(QStringLiteral("下(&B):"), m_bottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(paperBox);
    column->addWidget(orientationBox);
    column->addWidget(marginGroup);
    column->addWidget(buttons);
}

QPageLayout PageSetupDialog::chosenLayout() const
{
    const auto id = QPageSize::PageSizeId(m_paper->currentData().toInt());
    const QMarginsF margins(m_left->value(), m_top->value(), m_right->value(), m_bottom->value());
    return QPageLayout(QPageSize(id),
                       m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                       QPageLayout::Millimeter);
}

bool PageSetupDialog::applyTo(QPrinter& printer) const
{
    QPageLayout layout = chosenLayout();
    // Margins the paper cannot hold are brought within it rather than refused as a whole.
    layout.setMode(QPageLayout::StandardMode);
    return printer.setPageLayout(layout);
}
