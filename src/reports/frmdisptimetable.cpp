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
#include "totals/tally.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/common/windowactivation.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kRows = 22;
constexpr int kCols = 10;
constexpr int kColumnTwips = 930;
constexpr int kRowTwips = 300;

const QColor kTermBack(230, 255, 255);
const QColor kYearBack(205, 255, 255);
const QColor kNegative(255, 0, 0);
const QColor kZero(0, 0, 0);
const QColor kPositive(0, 0, 255);

const char16_t* const kColumnHeadings[kCols] = {
    u"教科",      u"週･計画",   u"週･実績",   u"週･増減",   u"学期･計画",
    u"学期･実績", u"学期･増減", u"年間･計画", u"年間･実績", u"年間･増減",
};

QColor differenceColor(Units d)
{
    return d < 0 ? kNegative : d > 0 ? kPositive : kZero;
}

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
    gridTimeTable->setRows(kRows);
    gridTimeTable->setCols(kCols);
    gridTimeTable->setGridFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    // Small enough for "総授業時数" to stand whole in a 930-twip column.
    QFont font = gridTimeTable->font();
    font.setPointSize(8);
    gridTimeTable->setFont(font);
    for (int r = 0; r < kRows; ++r)
        gridTimeTable->setRowHeightTwips(r, kRowTwips);
    // The grid shows every cell at once; its size follows the formatted widths.
    const int frame = 2 * gridTimeTable->frameWidth();
    gridTimeTable->setFixedSize(twipsToPixels(kCols * kColumnTwips) + frame + 1,
                                twipsToPixels(kRows * kRowTwips) + frame + 1);
    gridTimeTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mvTimeTable, 0, Qt::AlignHCenter);
    layout->addWidget(gridTimeTable, 0, Qt::AlignHCenter);
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
        if (gridTimeTable->colWidthTwips(3) != kColumnTwips)
            formatGrid();
        subDispHoliday();
        mvTimeTable_DateClick(opening);
    });
}

void frmDispTimeTable::formatGrid()
{
    for (int c = 0; c < kCols; ++c)
        gridTimeTable->setColWidthTwips(c, kColumnTwips);
    for (int c = 0; c < kCols; ++c) {
        gridTimeTable->setTextMatrix(0, c, QString::fromUtf16(kColumnHeadings[c]));
        gridTimeTable->setCellCentered(0, c);
    }
    for (int r = 1; r < kRows; ++r) {
        const Field field = kTallyOrder[static_cast<std::size_t>(r - 1)];
        gridTimeTable->setTextMatrix(r, 0, tallyLabel(field));
        gridTimeTable->setCellCentered(r, 0);
        for (int c = 1; c < kCols; ++c) {
            gridTimeTable->setTextMatrix(r, c, QString());
            QTableWidgetItem* cell = gridTimeTable->item(r, c);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // A screen reader names the cell by what it counts, not only by its figure.
            cell->setData(Qt::AccessibleDescriptionRole,
                          tallyLabel(field) + QLatin1Char(' ') + QString::fromUtf16(kColumnHeadings[c]));
            if (c >= 4 && c <= 6)
                gridTimeTable->setCellBackColor(r, c, kTermBack);
            else if (c >= 7)
                gridTimeTable->setCellBackColor(r, c, kYearBack);
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
    for (int r = 1; r < kRows; ++r) {
        const Field field = kTallyOrder[static_cast<std::size_t>(r - 1)];
        gridTimeTable->setTextMatrix(r, firstColumn, UnitsToText(block.plan[field]));
        gridTimeTable->setTextMatrix(r, firstColumn + 1, UnitsToText(block.actual[field]));
        const int diffColumn = firstColumn + 2;
        if (const std::optional<Units> d = block.difference(field)) {
            gridTimeTable->setCellForeColor(r, diffColumn, differenceColor(*d));
            gridTimeTable->setTextMatrix(r, diffColumn, UnitsToText(*d));
        } else {
            gridTimeTable->setCellForeColor(r, diffColumn, kNegative);
            gridTimeTable->setTextMatrix(r, diffColumn, QStringLiteral("桁あふれ"));
        }
    }
}

void frmDispTimeTable::clearFigures()
{
    for (int r = 1; r < kRows; ++r)
        for (int c = 1; c < kCols; ++c)
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
                    tallyCsvRows(computeTally(m_state, date)), CsvEncoding::Utf8WithBom);
    });
}
