#include "reports/frmschoolsummary.h"

#include "calendar/dates.h"
#include "core/mirteerror.h"
#include "platform/grid.h"
#include "platform/lazyprinter.h"
#include "platform/printer.h"
#include "platform/twips.h"
#include "reports/csvsave.h"
#include "reports/schoolsummarysheet.h"
#include "summary/csvtables.h"
#include "ui/common/differencecolor.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFixedCols = 2; // 学年・組 (the heading column), 担任
constexpr int kNameTwips = 1000;
constexpr int kTeacherTwips = 1500;
constexpr int kFigureTwips = 930;

const QColor kActualBack(230, 255, 255);

const char16_t* const kParts[] = {u"計画", u"実績", u"増減"};

template <typename W> W* named(W* widget, const QString& name, const QString& accessibleName)
{
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

QString withoutMnemonic(QString caption)
{
    return caption.remove(QRegularExpression(u"\\(&.\\)"_s)).remove(u'&');
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    return named(new QPushButton(caption, parent), name, withoutMnemonic(caption));
}

} // namespace

frmSchoolSummary::frmSchoolSummary(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services)
{
    setObjectName(u"frmSchoolSummary"_s);
    setWindowTitle(u"学校全体の集計"_s);

    cmdSummaryAddFiles = button(this, u"cmdSummaryAddFiles"_s, u"計画ファイルを追加(&A)..."_s);
    cmdSummaryAddFolder = button(this, u"cmdSummaryAddFolder"_s, u"フォルダから追加(&F)..."_s);
    cmdSummaryClear = button(this, u"cmdSummaryClear"_s, u"一覧を空にする(&L)"_s);

    chkSummaryUntil =
        named(new QCheckBox(u"この日までの実績(&D):"_s, this), u"chkSummaryUntil"_s, u"この日までの実績"_s);
    dtpSummaryUntil = named(new QDateEdit(this), u"dtpSummaryUntil"_s, u"実績を数える最後の日"_s);
    dtpSummaryUntil->setCalendarPopup(true);
    dtpSummaryUntil->setDisplayFormat(u"yyyy/MM/dd"_s);
    dtpSummaryUntil->setDate(services.clock.today());
    dtpSummaryUntil->setEnabled(false);

    lblSummaryYear = named(new QLabel(u"年度(&Y):"_s, this), u"lblSummaryYear"_s, u"年度"_s);
    cboSummaryYear = named(new QComboBox(this), u"cboSummaryYear"_s, u"表示する年度"_s);
    cboSummaryYear->setMinimumContentsLength(10);
    lblSummaryYear->setBuddy(cboSummaryYear);

    lblSummaryStatus = named(new QLabel(this), u"lblSummaryStatus"_s, QString());

    gridSummary = named(new Grid(this), u"gridSummary"_s, u"学校全体の集計表"_s);
    gridSummary->setGridFontName(u"ＭＳ Ｐゴシック"_s);
    QFont font = gridSummary->font();
    font.setPointSize(9);
    gridSummary->setFont(font);

    lblSummaryErrors = named(new QLabel(u"読めなかったファイル(&R):"_s, this), u"lblSummaryErrors"_s,
                             u"読めなかったファイル"_s);
    lstSummaryErrors = named(new QListWidget(this), u"lstSummaryErrors"_s, u"読めなかったファイル"_s);
    lstSummaryErrors->setMaximumHeight(80);
    lblSummaryErrors->setBuddy(lstSummaryErrors);

    lblSummaryEncoding =
        named(new QLabel(u"CSV の文字コード(&E):"_s, this), u"lblSummaryEncoding"_s, u"CSV の文字コード"_s);
    cboSummaryEncoding = named(new QComboBox(this), u"cboSummaryEncoding"_s, u"CSV の文字コード"_s);
    cboSummaryEncoding->addItem(u"UTF-8（Excel などの表計算ソフト向け）"_s);
    cboSummaryEncoding->addItem(u"シフトJIS（古いソフト向け）"_s);
    lblSummaryEncoding->setBuddy(cboSummaryEncoding);
    cmdSummarySaveCsv = button(this, u"cmdSummarySaveCsv"_s, u"CSVで保存(&S)..."_s);
    cmdSummaryPrint = button(this, u"cmdSummaryPrint"_s, u"印刷(&P)..."_s);
    cmdSummaryClose = button(this, u"cmdSummaryClose"_s, u"閉じる"_s);

    auto* files = new QHBoxLayout;
    files->addWidget(cmdSummaryAddFiles);
    files->addWidget(cmdSummaryAddFolder);
    files->addWidget(cmdSummaryClear);
    files->addStretch();

    auto* filter = new QHBoxLayout;
    filter->addWidget(chkSummaryUntil);
    filter->addWidget(dtpSummaryUntil);
    filter->addSpacing(24);
    filter->addWidget(lblSummaryYear);
    filter->addWidget(cboSummaryYear);
    filter->addSpacing(24);
    filter->addWidget(lblSummaryStatus, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblSummaryEncoding);
    bottom->addWidget(cboSummaryEncoding);
    bottom->addWidget(cmdSummarySaveCsv);
    bottom->addWidget(cmdSummaryPrint);
    bottom->addStretch();
    bottom->addWidget(cmdSummaryClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addLayout(filter);
    layout->addWidget(gridSummary, 1);
    layout->addWidget(lblSummaryErrors);
    layout->addWidget(lstSummaryErrors);
    layout->addLayout(bottom);
    resize(1100, 620);

    // Keyboard order follows the page: pick files, choose the date and year, read, save or print.
    setTabOrder(cmdSummaryAddFiles, cmdSummaryAddFolder);
    setTabOrder(cmdSummaryAddFolder, cmdSummaryClear);
    setTabOrder(cmdSummaryClear, chkSummaryUntil);
    setTabOrder(chkSummaryUntil, dtpSummaryUntil);
    setTabOrder(dtpSummaryUntil, cboSummaryYear);
    setTabOrder(cboSummaryYear, gridSummary);
    setTabOrder(gridSummary, lstSummaryErrors);
    setTabOrder(lstSummaryErrors, cboSummaryEncoding);
    setTabOrder(cboSummaryEncoding, cmdSummarySaveCsv);
    setTabOrder(cmdSummarySaveCsv, cmdSummaryPrint);
    setTabOrder(cmdSummaryPrint, cmdSummaryClose);

    connect(cmdSummaryAddFiles, &QPushButton::clicked, this, &frmSchoolSummary::cmdSummaryAddFiles_Click);
    connect(cmdSummaryAddFolder, &QPushButton::clicked, this, &frmSchoolSummary::cmdSummaryAddFolder_Click);
    connect(cmdSummaryClear, &QPushButton::clicked, this, &frmSchoolSummary::cmdSummaryClear_Click);
    connect(chkSummaryUntil, &QCheckBox::clicked, this, &frmSchoolSummary::chkSummaryUntil_Click);
    connect(dtpSummaryUntil, &QDateEdit::dateChanged, this, &frmSchoolSummary::dtpSummaryUntil_Change);
    connect(cboSummaryYear, &QComboBox::activated, this, &frmSchoolSummary::cboSummaryYear_Click);
    connect(cmdSummarySaveCsv, &QPushButton::clicked, this, &frmSchoolSummary::cmdSummarySaveCsv_Click);
    connect(cmdSummaryPrint, &QPushButton::clicked, this, &frmSchoolSummary::cmdSummaryPrint_Click);
    connect(cmdSummaryClose, &QPushButton::clicked, this, &frmSchoolSummary::cmdSummaryClose_Click);
    services.activation.watch(this, [this] { Form_Activate(); });
    refresh();
}

void frmSchoolSummary::Form_Activate()
{
    runUserCommand(m_services.dialogs, this, [this] {
        refresh();
        if (!focusWidget() || !isAncestorOf(focusWidget()))
            cmdSummaryAddFiles->setFocus();
    });
}

void frmSchoolSummary::cmdSummaryAddFiles_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        addFiles(m_services.dialogs.openFileNames(this, u"集計する計画ファイルを選んでください"_s,
                                                  kPlanFileFilter));
    });
}

void frmSchoolSummary::cmdSummaryAddFolder_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        const QString folder =
            m_services.dialogs.folderName(this, u"計画ファイルのあるフォルダを選んでください"_s);
        if (folder.isEmpty())
            return;
        const QStringList found = planFilesInFolder(folder);
        if (found.isEmpty()) {
            m_services.dialogs.message(this, u"このフォルダには計画ファイル（.rv）がありません。"_s,
                                       Dialogs::Buttons::Ok, Dialogs::Icon::Information, kApplicationTitle);
            return;
        }
        addFiles(found);
    });
}

void frmSchoolSummary::cmdSummaryClear_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        m_files.clear();
        refresh();
    });
}

void frmSchoolSummary::chkSummaryUntil_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        dtpSummaryUntil->setEnabled(chkSummaryUntil->isChecked());
        refresh();
    });
}

void frmSchoolSummary::dtpSummaryUntil_Change()
{
    if (!chkSummaryUntil->isChecked())
        return;
    runUserCommand(m_services.dialogs, this, [this] { refresh(); });
}

void frmSchoolSummary::cboSummaryYear_Click()
{
    runUserCommand(m_services.dialogs, this, [this] { fillGrid(); });
}

void frmSchoolSummary::cmdSummarySaveCsv_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!hasClasses())
            return;
        const CsvEncoding encoding =
            cboSummaryEncoding->currentIndex() == 1 ? CsvEncoding::Cp932 : CsvEncoding::Utf8WithBom;
        saveCsvFile(m_services, this, u"学校全体の集計を CSV で保存"_s, summaryCsvRows(m_summary), encoding);
    });
}

void frmSchoolSummary::cmdSummaryPrint_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        if (!hasClasses())
            return;
        if (!m_services.dialogs.printDialog(this, *m_services.printer))
            return;
        const std::unique_ptr<Printer> printer = m_services.openPrinter(*m_services.printer);
        subPrintSchoolSummary(m_summary, *printer, landscapeArea(*m_services.printer));
        if (printer->hasFailed())
            throw MirteError(u"印刷できませんでした。プリンタの設定を確かめてください。"_s);
    });
}

void frmSchoolSummary::cmdSummaryClose_Click()
{
    hide();
}

void frmSchoolSummary::addFiles(const QStringList& files)
{
    for (const QString& f : files)
        if (!m_files.contains(f))
            m_files << f;
    refresh();
}

bool frmSchoolSummary::hasClasses()
{
    if (!m_summary.isEmpty())
        return true;
    m_services.dialogs.message(this,
                               u"集計できる計画ファイルがありません。計画ファイルを追加してください。"_s,
                               Dialogs::Buttons::Ok, Dialogs::Icon::Information, kApplicationTitle);
    return false;
}

void frmSchoolSummary::refresh()
{
    const int shownYear = cboSummaryYear->currentData().isValid() ? cboSummaryYear->currentData().toInt() : 0;
    m_summary = summarizePlanFiles(m_files, chkSummaryUntil->isChecked() ? dtpSummaryUntil->date() : QDate());

    cboSummaryYear->clear();
    int pick = static_cast<int>(m_summary.years.size()) - 1; // the latest year unless one was shown
    for (std::size_t i = 0; i < m_summary.years.size(); ++i) {
        const int year = m_summary.years[i].schoolYear;
        cboSummaryYear->addItem(schoolYearName(year), year);
        if (year == shownYear)
            pick = static_cast<int>(i);
    }
    cboSummaryYear->setCurrentIndex(pick);
    cboSummaryYear->setEnabled(m_summary.years.size() > 1);

    lstSummaryErrors->clear();
    for (const SummaryError& e : m_summary.errors)
        lstSummaryErrors->addItem(PlanFileError(e.file, e.line, e.message).description());
    fillGrid();
}

void frmSchoolSummary::fillGrid()
{
    const int index = cboSummaryYear->currentIndex();
    const SchoolYearTable* table = index >= 0 && index < static_cast<int>(m_summary.years.size())
                                       ? &m_summary.years[std::size_t(index)]
                                       : nullptr;

    QString status =
        m_files.isEmpty() ? u"計画ファイルを追加してください。"_s : u"%1 個のファイル"_s.arg(m_files.size());
    if (table)
        status += u"　%1は %2 学級"_s.arg(schoolYearName(table->schoolYear)).arg(table->rows.size());
    if (!m_summary.errors.empty())
        status += u"　読めなかったファイル %1 個"_s.arg(m_summary.errors.size());
    lblSummaryStatus->setText(status);
    lblSummaryStatus->setAccessibleName(status);

    const std::vector<Field> fields = table ? table->fields : std::vector<Field>{};
    const int rows = 1 + (table ? static_cast<int>(table->rows.size()) : 0);
    const int cols = kFixedCols + 3 * static_cast<int>(fields.size());
    gridSummary->clear();
    gridSummary->setRows(rows);
    gridSummary->setCols(cols);
    gridSummary->setColWidthTwips(0, kNameTwips);
    gridSummary->setColWidthTwips(1, kTeacherTwips);
    gridSummary->setTextMatrix(0, 0, u"学年･組"_s);
    gridSummary->setTextMatrix(0, 1, u"担任"_s);
    for (int c = 0; c < cols; ++c) {
        if (c >= kFixedCols) {
            const Field f = fields[std::size_t((c - kFixedCols) / 3)];
            gridSummary->setColWidthTwips(c, kFigureTwips);
            gridSummary->setTextMatrix(
                0, c, fieldLabel(f) + u'･' + QString::fromUtf16(kParts[(c - kFixedCols) % 3]));
        }
        gridSummary->setCellCentered(0, c);
    }
    if (!table)
        return;
    for (int r = 1; r < rows; ++r) {
        const ClassYear& y = table->rows[std::size_t(r - 1)].figures;
        const QString name = u"%1年%2組"_s.arg(y.grade).arg(y.strClass);
        gridSummary->setTextMatrix(r, 0, name);
        gridSummary->setCellCentered(r, 0);
        gridSummary->setTextMatrix(r, 1, y.teacher);
        for (int c = kFixedCols; c < cols; ++c) {
            const Field f = fields[std::size_t((c - kFixedCols) / 3)];
            const int part = (c - kFixedCols) % 3;
            QString text;
            if (part == 0) {
                text = UnitsToText(y.year.plan[f]);
            } else if (part == 1) {
                text = UnitsToText(y.year.actual[f]);
                gridSummary->setCellBackColor(r, c, kActualBack);
            } else {
                const std::optional<Units> d = y.year.difference(f);
                gridSummary->setCellForeColor(r, c, differenceColor(d ? *d : -1)); // 桁あふれ in red
                text = differenceText(y.year, f);
            }
            gridSummary->setTextMatrix(r, c, text);
            QTableWidgetItem* cell = gridSummary->item(r, c);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // A screen reader names the cell by its class and what it counts, not only by its figure.
            cell->setData(Qt::AccessibleDescriptionRole, name + u' ' + gridSummary->textMatrix(0, c));
        }
    }
}
