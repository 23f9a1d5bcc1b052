// A read-only table with one fixed heading row and column, addressed by row and column from 0,
// with per-cell colours and widths in twips: the grids of the annual plan page and the tally window.
// Tab never stays in a grid; a screen reader names each cell's headings by the heading texts.
#pragma once

#include <QColor>
#include <QHash>
#include <QTableWidget>

class Grid : public QTableWidget {
    Q_OBJECT

public:
    explicit Grid(QWidget* parent = nullptr);

    // Counts include the heading row and column.
    void setRows(int rows);
    void setCols(int cols);
    int rows() const { return rowCount(); }
    int cols() const { return columnCount(); }

    void setTextMatrix(int row, int col, const QString& text);
    QString textMatrix(int row, int col) const;

    void setCellForeColor(int row, int col, const QColor& color);
    void setCellBackColor(int row, int col, const QColor& color);
    QColor cellForeColor(int row, int col) const;
    QColor cellBackColor(int row, int col) const;

    // Centred horizontally and vertically.
    void setCellCentered(int row, int col);
    bool isCellCentered(int row, int col) const;

    // A width or height reads back exactly as it was set, although the screen shows whole pixels.
    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setRowHeightTwips(int row, int twips);
    int rowHeightTwips(int row) const;

    void setGridFontName(const QString& name);

    // Whether a cell belongs to the heading row or column.
    static bool isHeading(int row, int col) { return row == 0 || col == 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int col);
    void setHeaderText(Qt::Orientation orientation, int section, const QString& text);
    void styleHeadings();

    QHash<int, int> m_colTwips; // as set, for the sections still of that pixel size
    QHash<int, int> m_rowTwips;
};
