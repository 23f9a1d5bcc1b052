#include "platform/grid.h"

#include "platform/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace {
const QColor kHeadingBack(0xE8, 0xE8, 0xE8);
const QColor kCellBack(Qt::white);
const QColor kText(Qt::black);
} // namespace

Grid::Grid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::TabFocus);
    // A read-only grid is read with the arrow keys; Tab moves on to the next control.
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setDefaultSectionSize(64);
}

void Grid::setRows(int rows)
{
    setRowCount(std::max(0, rows));
    m_rowTwips.removeIf([this](auto it) { return it.key() >= rowCount(); });
    styleHeadings();
}

void Grid::setCols(int cols)
{
    setColumnCount(std::max(0, cols));
    m_colTwips.removeIf([this](auto it) { return it.key() >= columnCount(); });
    styleHeadings();
}

void Grid::styleHeadings()
{
    // Heading cells carry their look from the start, before any text is written to them.
    for (int c = 0; c < columnCount(); ++c)
        cell(0, c);
    for (int r = 1; r < rowCount(); ++r)
        cell(r, 0);
}

QTableWidgetItem* Grid::cell(int row, int col)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(isHeading(row, col) ? kHeadingBack : kCellBack);
        it->setForeground(kText);
        setItem(row, col, it);
    }
    return it;
}

void Grid::setTextMatrix(int row, int col, const QString& text)
{
    cell(row, col)->setText(text);
    // The hidden header sections are what a screen reader names a cell's heading by.
    if (row == 0)
        setHeaderText(Qt::Horizontal, col, text);
    if (col == 0)
        setHeaderText(Qt::Vertical, row, text);
}

void Grid::setHeaderText(Qt::Orientation orientation, int section, const QString& text)
{
    QTableWidgetItem* header =
        orientation == Qt::Horizontal ? horizontalHeaderItem(section) : verticalHeaderItem(section);
    if (!header) {
        header = new QTableWidgetItem;
        if (orientation == Qt::Horizontal)
            setHorizontalHeaderItem(section, header);
        else
            setVerticalHeaderItem(section, header);
    }
    header->setText(text);
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab leaves the grid as well, as it leaves any other control that takes Tab itself.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        event->modifiers().testFlag(Qt::ControlModifier)) {
        const bool back = event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QString Grid::textMatrix(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void Grid::setCellForeColor(int row, int col, const QColor& color)
{
    cell(row, col)->setForeground(color);
}

void Grid::setCellBackColor(int row, int col, const QColor& color)
{
    cell(row, col)->setBackground(color);
}

QColor Grid::cellForeColor(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->foreground().color() : kText;
}

QColor Grid::cellBackColor(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    if (it)
        return it->background().color();
    return isHeading(row, col) ? kHeadingBack : kCellBack;
}

void Grid::setCellCentered(int row, int col)
{
    cell(row, col)->setTextAlignment(Qt::AlignCenter);
}

bool Grid::isCellCentered(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    return it && Qt::Alignment(it->textAlignment()) == Qt::AlignCenter;
}

void Grid::setColWidthTwips(int col, int twips)
{
    if (col < 0 || col >= columnCount())
        return;
    twips = std::max(0, twips);
    setColumnWidth(col, twipsToPixels(twips));
    m_colTwips.insert(col, twips);
}

int Grid::colWidthTwips(int col) const
{
    const auto it = m_colTwips.constFind(col);
    // A width changed in pixels since (a section resized by Qt) reads as those pixels.
    if (it != m_colTwips.cend() && twipsToPixels(*it) == columnWidth(col))
        return *it;
    return int(pixelsToTwips(columnWidth(col)));
}

void Grid::setRowHeightTwips(int row, int twips)
{
    if (row < 0 || row >= rowCount())
        return;
    twips = std::max(0, twips);
    setRowHeight(row, twipsToPixels(twips));
    m_rowTwips.insert(row, twips);
}

int Grid::rowHeightTwips(int row) const
{
    const auto it = m_rowTwips.constFind(row);
    if (it != m_rowTwips.cend() && twipsToPixels(*it) == rowHeight(row))
        return *it;
    return int(pixelsToTwips(rowHeight(row)));
}

void Grid::setGridFontName(const QString& name)
{
    QFont f = font();
    f.setFamily(name);
    setFont(f);
}
