#include "reports/frmdisptimetable.h"

#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "core/appstate.h"
#include "core/mirteerror.h"
#include "platform/grid.h"
#include "platform/monthcalendar.h"
#include "platform/twips.h"
#include "reports/csvsave.h"
#include "summary/csvtables.h"
#include "totals/standardcomparison.h"
#include "totals/tally.h"
#include "ui/common/differencecolor.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kCols = 10;
// The column group of a catalogue that sets the plan beside the standard hours.
constexpr int kStandardCols = 3;
constexpr int kColumnTwips = 930;
constexpr int kRowTwips = 300;

const QColor kTermBack(230, 255, 255);
const QColor kYearBack(205, 255, 255);

const char16_t* const kColumnHeadings[kCols + kStandardCols] = {
    u"教科",      u"週･計画",   u"週･実績",   u"週･増減",  u"学期･計画",  u"学期･実績",  u"学期･増減",
    u"年間･計画", u"年間･実績", u"年間･増減", u"標準時数", u"計画－標準", u"実績－標準",
};
const QColor kStandardBack(255, 250, 225);

} // namespace

QDate tallyOpeningDate(const AppState& state)
{
    const QDate first = DateSerial(state.intYear, 4, 1);
    const QDate last = DateSerial(state.intYear + 1, 3, 31);
    const QDate picked = state.dateSelected;
    if (isZeroDate(picked) || !picked.isValid() || picked < first || picked > last)
        return first;
    return picked;
}

frmDispTimeTable::frmDispTimeTable(AppState& state, Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_services(services)
{
    setObjectName(QStringLiteral("frmDispTimeTable"));
    setWindowTitle(QStringLiteral("時数集計表"));

    mvTimeTable = new MonthCalendar(this);
    mvTimeTable->setObjectName(QStringLiteral("mvTimeTable"));
    mvTimeTable->setAccessibleName(QStringLiteral("集計する週の日付"));
    mvTimeTable->setMonthColumns(3);

    gridTimeTable = new Grid(this);
    gridTimeTable->setObjectName(QStringLiteral("gridTimeTable"));
    gridTimeTable->setAccessibleName(QStringLiteral("時数集計表"));
    gridTimeTable->setGridFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    // Small enough for "総授業時数" to stand whole in a 930-twip column.
    QFont font = gridTimeTable->font();
    font.setPointSize(8);
    gridTimeTable->setFont(font);
    gridTimeTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_order = basicCatalogue().tallyOrder;
    sizeGrid();
    gridTimeTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    cmdCloseTimeTable = new QPushButton(QStringLiteral("閉じる"), this);
    cmdCloseTimeTable->setObjectName(QStringLiteral("cmdCloseTimeTable"));
    cmdCloseTimeTable->setAccessibleName(cmdCloseTimeTable->text());

    cmdCsvTimeTable = new QPushButton(QStringLiteral("CSVで保存"), this);
    cmdCsvTimeTable->setObjectName(QStringLiteral("cmdCsvTimeTable"));
    cmdCsvTimeTable->setAccessibleName(cmdCsvTimeTable->text());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCsvTimeTable);
    buttons->addStretch();
    buttons->addWidget(cmdCloseTimeTable);

    lblSurplus = new QLabel(this);
    lblSurplus->setObjectName(QStringLiteral("lblSurplus"));
    lblSurplus->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mvTimeTable, 0, Qt::AlignHCenter);
    layout->addWidget(gridTimeTable, 0, Qt::AlignHCenter);
    layout->addWidget(lblSurplus);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(mvTimeTable, &MonthCalendar::dateClicked, this,
            [this](QDate date, int) { mvTimeTable_DateClick(date); });
    connect(mvTimeTable, &MonthCalendar::clicked, this, &frmDispTimeTable::mvTimeTable_Click);
    connect(cmdCloseTimeTable, &QPushButton::clicked, this, &frmDispTimeTable::cmdCloseTimeTable_Click);
    connect(cmdCsvTimeTable, &QPushButton::clicked, this, &frmDispTimeTable::cmdCsvTimeTable_Click);
    services.activation.watch(this, [this] { Form_Activate(); });
}

void frmDispTimeTable::Form_Activate()
{
    runUserCommand(m_services.dialogs, this, [this] {
        cmdCloseTimeTable->setFocus();
        // The wide maximum first, so that the new minimum is never above the old maximum.
        mvTimeTable->setMaxDate(QDate(9999, 12, 31));
        mvTimeTable->setMinDate(DateSerial(m_state.intYear, 4, 1));
        mvTimeTable->setMaxDate(DateSerial(m_state.intYear + 1, 3, 31));
        mvTimeTable->setToday(m_services.clock.today());

        const QDate opening = tallyOpeningDate(m_state);
        mvTimeTable->setDisplayedDate(opening);
        // Formatted once, and again only when the plan's catalogue has other rows or columns.
        const Catalogue& catalogue = m_state.catalogue();
        const bool showsStandard = catalogue.showsStandard && standardCourseOf(m_state.intYear);
        if (gridTimeTable->colWidthTwips(3) != kColumnTwips || m_order != catalogue.tallyOrder ||
            m_showsStandard != showsStandard) {
            m_order = catalogue.tallyOrder;
            m_showsStandard = showsStandard;
            formatGrid();
        }
        subDispHoliday();
        mvTimeTable_DateClick(opening);
    });
}

int frmDispTimeTable::colCount() const
{
    return m_showsStandard ? kCols + kStandardCols : kCols;
}

void frmDispTimeTable::sizeGrid()
{
    const int rows = rowCount();
    const int cols = colCount();
    gridTimeTable->setRows(rows);
    gridTimeTable->setCols(cols);
    for (int r = 0; r < rows; ++r)
        gridTimeTable->setRowHeightTwips(r, kRowTwips);
    // The grid shows every cell at once; its size follows the formatted widths.
    const int frame = 2 * gridTimeTable->frameWidth();
    gridTimeTable->setFixedSize(twipsToPixels(cols * kColumnTwips) + frame + 1,
                                twipsToPixels(rows * kRowTwips) + frame + 1);
}

void frmDispTimeTable::formatGrid()
{
    const int rows = rowCount();
    const int cols = colCount();
    sizeGrid();
    lblSurplus->setVisible(m_showsStandard);
    for (int c = 0; c < cols; ++c)
        gridTimeTable->setColWidthTwips(c, kColumnTwips);
    for (int c = 0; c < cols; ++c) {
        gridTimeTable->setTextMatrix(0, c, QString::fromUtf16(kColumnHeadings[c]));
        gridTimeTable->setCellCentered(0, c);
    }
    for (int r = 1; r < rows; ++r) {
        const Field field = m_order[static_cast<std::size_t>(r - 1)];
        gridTimeTable->setTextMatrix(r, 0, tallyLabel(field));
        gridTimeTable->setCellCentered(r, 0);
        for (int c = 1; c < cols; ++c) {
            gridTimeTable->setTextMatrix(r, c, QString());
            QTableWidgetItem* cell = gridTimeTable->item(r, c);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // A screen reader names the cell by what it counts, not only by its figure.
            cell->setData(Qt::AccessibleDescriptionRole,
                          tallyLabel(field) + QLatin1Char(' ') + QString::fromUtf16(kColumnHeadings[c]));
            if (c >= 4 && c <= 6)
                gridTimeTable->setCellBackColor(r, c, kTermBack);
            else if (c >= 7 && c < kCols)
                gridTimeTable->setCellBackColor(r, c, kYearBack);
            else if (c >= kCols)
                gridTimeTable->setCellBackColor(r, c, kStandardBack);
        }
    }
}

void frmDispTimeTable::subDispHoliday()
{
    mvTimeTable->setDayNotes(planRestDayNames(m_state));
    const int count = std::min(mvTimeTable->visibleDayCount(), 400);
    for (int n = 1; n <= count; ++n) {
        const QDate day = mvTimeTable->visibleDay(n);
        mvTimeTable->setDayBold(day, IsSchoolDay(m_state, day));
    }
}

void frmDispTimeTable::mvTimeTable_DateClick(const QDate& date)
{
    try {
        m_shownDate = date;
        const Tally tally = computeTally(m_state, date);
        mvTimeTable->setSelection(tally.first, tally.last);
        fillBlock(1, tally.week);
        fillBlock(4, tally.termBlock);
        fillBlock(7, tally.year);
        fillStandard();
    } catch (const MirteError& e) {
        // No figure of another week may stay on screen under this week's selection.
        clearFigures();
        m_services.dialogs.message(this, e.description(), Dialogs::Buttons::Ok, Dialogs::Icon::Warning,
                                   kApplicationTitle);
    }
    cmdCloseTimeTable->setFocus();
}

void frmDispTimeTable::fillBlock(int firstColumn, const TallyBlock& block)
{
    for (int r = 1; r < rowCount(); ++r) {
        const Field field = m_order[static_cast<std::size_t>(r - 1)];
        gridTimeTable->setTextMatrix(r, firstColumn, UnitsToText(block.plan[field]));
        gridTimeTable->setTextMatrix(r, firstColumn + 1, UnitsToText(block.actual[field]));
        const int diffColumn = firstColumn + 2;
        if (const std::optional<Units> d = block.difference(field)) {
            gridTimeTable->setCellForeColor(r, diffColumn, differenceColor(*d));
            gridTimeTable->setTextMatrix(r, diffColumn, UnitsToText(*d));
        } else {
            gridTimeTable->setCellForeColor(r, diffColumn, differenceColor(-1)); // a fault, in red
            gridTimeTable->setTextMatrix(r, diffColumn, QStringLiteral("桁あふれ"));
        }
    }
}

void frmDispTimeTable::fillStandard()
{
    if (!m_showsStandard)
        return;
    const StandardComparison c = compareWithStandard(m_state);
    for (int r = 1; r < rowCount(); ++r)
        for (int col = kCols; col < kCols + kStandardCols; ++col)
            gridTimeTable->setTextMatrix(r, col, QString());
    for (const StandardComparisonRow& row : c.rows) {
        const auto at = std::find(m_order.begin(), m_order.end(), row.field);
        if (at == m_order.end())
            continue;
        const int r = static_cast<int>(at - m_order.begin()) + 1;
        const Units planDiff = sub16(row.figures.plan, row.figures.standard);
        const Units actualDiff = sub16(row.figures.actual, row.figures.standard);
        gridTimeTable->setTextMatrix(r, kCols, UnitsToText(row.figures.standard));
        gridTimeTable->setCellForeColor(r, kCols + 1, differenceColor(planDiff));
        gridTimeTable->setTextMatrix(r, kCols + 1, UnitsToText(planDiff));
        gridTimeTable->setCellForeColor(r, kCols + 2, differenceColor(actualDiff));
        gridTimeTable->setTextMatrix(r, kCols + 2, UnitsToText(actualDiff));
    }
    if (!c.course) {
        lblSurplus->setText(QStringLiteral("学年が決まると標準授業時数と比べます。"));
        return;
    }
    const Units surplus = sub16(c.total.plan, c.total.standard);
    const Units actualLeft = sub16(c.total.standard, c.total.actual);
    const QString planText = surplus >= 0
                                 ? QStringLiteral("余剰時数（年間計画）　%1").arg(UnitsToText(surplus))
                                 : QStringLiteral("標準に足りない時数（年間計画）　%1")
                                       .arg(UnitsToText(static_cast<Units>(-surplus)));
    const QString text =
        QStringLiteral(
            "標準の総授業時数 %1（クラブ・児童会・学校行事を除く）　%2　　実績 %3（標準まであと %4）")
            .arg(UnitsToText(c.total.standard), planText, UnitsToText(c.total.actual),
                 UnitsToText(actualLeft > 0 ? actualLeft : Units(0)));
    lblSurplus->setText(text);
    lblSurplus->setStyleSheet(surplus < 0 ? QStringLiteral("color: rgb(255, 0, 0);")
                                          : QStringLiteral("color: rgb(0, 0, 255);"));
    lblSurplus->setAccessibleName(text);
}

void frmDispTimeTable::clearFigures()
{
    for (int r = 1; r < rowCount(); ++r)
        for (int c = 1; c < colCount(); ++c)
            gridTimeTable->setTextMatrix(r, c, QString());
}

void frmDispTimeTable::mvTimeTable_Click()
{
    subDispHoliday();
}

void frmDispTimeTable::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the window as 閉じる does, wherever the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCloseTimeTable_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmDispTimeTable::cmdCloseTimeTable_Click()
{
    hide();
}

void frmDispTimeTable::cmdCsvTimeTable_Click()
{
    runUserCommand(m_services.dialogs, this, [this] {
        const QDate date = m_shownDate.isValid() ? m_shownDate : tallyOpeningDate(m_state);
        saveCsvFile(m_services, this, QStringLiteral("時数集計表を CSV で保存"),
                    tallyCsvRows(computeTally(m_state, date), m_state.catalogue().tallyOrder),
                    CsvEncoding::Utf8WithBom);
    });
}
