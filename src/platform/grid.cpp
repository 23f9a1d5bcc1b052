#include "platform/grid.h"

#include "platform/twips.h"

#include <QHeaderView>

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
    setWordWrap(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
}

void Grid::setRows(int rows)
{
    setRowCount(rows);
}

void Grid::setCols(int cols)
{
    setColumnCount(cols);
}

QTableWidgetItem* Grid::cell(int row, int col)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled);
        const bool heading = row == 0 || col == 0;
        it->setBackground(heading ? kHeadingBack : kCellBack);
        it->setForeground(kText);
        setItem(row, col, it);
    }
    return it;
}

void Grid::setTextMatrix(int row, int col, const QString& text)
{
    cell(row, col)->setText(text);
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
    return row == 0 || col == 0 ? kHeadingBack : kCellBack;
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
    setColumnWidth(col, twipsToPixels(twips));
}

int Grid::colWidthTwips(int col) const
{
    return int(pixelsToTwips(columnWidth(col)));
}

void Grid::setRowHeightTwips(int row, int twips)
{
    setRowHeight(row, twipsToPixels(twips));
}

int Grid::rowHeightTwips(int row) const
{
    return int(pixelsToTwips(rowHeight(row)));
}

void Grid::setGridFontName(const QString& name)
{
    QFont f = font();
    f.setFamily(name);
    setFont(f);
}
