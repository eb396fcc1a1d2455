#pragma once

#include "report/DocParagraph.h"

#include <QList>

// A table of the document. Rows and columns count from 1, as the report addresses them.
// Only cells of one column can be merged (the hazard log needs nothing else); the merged cell
// keeps the top cell's address and the cells below it take no text of their own.
class CDocTable
{
public:
    enum class BorderStyle
    {
        None = 0,
        Single = 1,
        Double = 7
    };
    enum class VerticalAlignment
    {
        Top = 0,
        Center = 1,
        Bottom = 3
    };
    // Word's colour indices for cell shading.
    enum class Shading
    {
        None = 0,
        Gray25 = 16
    };

    struct Cell
    {
        QList<CDocParagraph> Paragraphs;
        VerticalAlignment Vertical = VerticalAlignment::Top;
        Shading Shade = Shading::None;
        int MergedInto = 0; // the row of the merged cell's top, 0 when not merged below another
        int MergedRows = 1; // rows spanned by a merged cell's top
    };

    // The cells start with one empty paragraph formatted as the insertion point was.
    CDocTable(int rows, int columns, const CDocCharFormat& format,
              CDocParagraph::Alignment alignment, double defaultColumnWidth);

    int Rows() const { return m_Rows; }
    int Columns() const { return m_Columns; }

    void SetBorders(BorderStyle inside, BorderStyle outside);
    BorderStyle InsideBorders() const { return m_Inside; }
    BorderStyle OutsideBorders() const { return m_Outside; }
    void SetRowHeights(double points);
    void SetRowHeight(int row, double points);
    double RowHeight(int row) const; // 0: as high as the text needs
    void SetColumnWidth(int column, double points);
    double ColumnWidth(int column) const;
    double Width() const;

    void ShadeRow(int row, Shading shading);
    void SetRowBold(int row, bool bold);

    void AppendCellText(int row, int column, const QString& text);
    void SetCellVerticalAlignment(int row, int column, VerticalAlignment alignment);
    void SetCellBold(int row, int column, bool bold);
    void SetCellFont(int row, int column, const QString& name, double size);
    void SetCellAlignment(int row, int column, CDocParagraph::Alignment alignment);
    // Merges the cells from (row1, column) down to (row2, column); their texts are joined in
    // the top cell, empty cells adding nothing. False for cells of different columns or rows
    // outside the table.
    bool MergeCells(int row1, int column1, int row2, int column2);

    const Cell& CellAt(int row, int column) const;
    QString CellText(int row, int column) const;

private:
    Cell* Target(int row, int column);
    bool Valid(int row, int column) const;

    int m_Rows;
    int m_Columns;
    QList<Cell> m_Cells; // row-major
    QList<double> m_RowHeights;
    QList<double> m_ColumnWidths;
    BorderStyle m_Inside = BorderStyle::None;
    BorderStyle m_Outside = BorderStyle::None;
};
