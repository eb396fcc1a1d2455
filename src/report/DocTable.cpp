#include "report/DocTable.h"

#include <QStringList>

CDocTable::CDocTable(int rows, int columns, const CDocCharFormat& format,
                     CDocParagraph::Alignment alignment, double defaultColumnWidth)
    : m_Rows(qMax(1, rows)), m_Columns(qMax(1, columns))
{
    CDocParagraph paragraph;
    paragraph.MarkFormat = format;
    paragraph.ParagraphAlignment = alignment;
    Cell cell;
    cell.Paragraphs.append(paragraph);
    m_Cells.fill(cell, qsizetype(m_Rows) * m_Columns);
    m_RowHeights.fill(0.0, m_Rows);
    m_ColumnWidths.fill(defaultColumnWidth, m_Columns);
}

bool CDocTable::Valid(int row, int column) const
{
    return row >= 1 && row <= m_Rows && column >= 1 && column <= m_Columns;
}

CDocTable::Cell* CDocTable::Target(int row, int column)
{
    if (!Valid(row, column))
        return nullptr;
    Cell* cell = &m_Cells[qsizetype(row - 1) * m_Columns + column - 1];
    if (cell->MergedInto > 0)
        cell = &m_Cells[qsizetype(cell->MergedInto - 1) * m_Columns + column - 1];
    return cell;
}

const CDocTable::Cell& CDocTable::CellAt(int row, int column) const
{
    Q_ASSERT(Valid(row, column));
    return m_Cells[qsizetype(row - 1) * m_Columns + column - 1];
}

QString CDocTable::CellText(int row, int column) const
{
    QStringList texts;
    for (const CDocParagraph& paragraph : CellAt(row, column).Paragraphs)
        texts << paragraph.PlainText();
    return texts.join(QLatin1Char('\r'));
}

void CDocTable::SetBorders(BorderStyle inside, BorderStyle outside)
{
    m_Inside = inside;
    m_Outside = outside;
}

void CDocTable::SetRowHeights(double points)
{
    m_RowHeights.fill(qMax(0.0, points));
}

void CDocTable::SetRowHeight(int row, double points)
{
    if (row >= 1 && row <= m_Rows)
        m_RowHeights[row - 1] = qMax(0.0, points);
}

double CDocTable::RowHeight(int row) const
{
    return row >= 1 && row <= m_Rows ? m_RowHeights[row - 1] : 0.0;
}

void CDocTable::SetColumnWidth(int column, double points)
{
    if (column >= 1 && column <= m_Columns && points > 0)
        m_ColumnWidths[column - 1] = points;
}

double CDocTable::ColumnWidth(int column) const
{
    return column >= 1 && column <= m_Columns ? m_ColumnWidths[column - 1] : 0.0;
}

double CDocTable::Width() const
{
    double width = 0;
    for (double w : m_ColumnWidths)
        width += w;
    return width;
}

void CDocTable::ShadeRow(int row, Shading shading)
{
    for (int column = 1; column <= m_Columns; ++column)
    {
        if (Valid(row, column))
            m_Cells[qsizetype(row - 1) * m_Columns + column - 1].Shade = shading;
    }
}

void CDocTable::SetRowBold(int row, bool bold)
{
    for (int column = 1; column <= m_Columns; ++column)
    {
        if (Valid(row, column) && CellAt(row, column).MergedInto == 0)
            SetCellBold(row, column, bold);
    }
}

void CDocTable::AppendCellText(int row, int column, const QString& text)
{
    Cell* cell = Target(row, column);
    if (!cell)
        return;
    CDocParagraph& last = cell->Paragraphs.last();
    last.AppendText(text, last.EndFormat());
}

void CDocTable::SetCellVerticalAlignment(int row, int column, VerticalAlignment alignment)
{
    if (Cell* cell = Target(row, column))
        cell->Vertical = alignment;
}

void CDocTable::SetCellBold(int row, int column, bool bold)
{
    if (Cell* cell = Target(row, column))
    {
        for (CDocParagraph& paragraph : cell->Paragraphs)
            paragraph.SetBold(bold);
    }
}

void CDocTable::SetCellFont(int row, int column, const QString& name, double size)
{
    if (Cell* cell = Target(row, column))
    {
        for (CDocParagraph& paragraph : cell->Paragraphs)
            paragraph.SetFont(name, size);
    }
}

void CDocTable::SetCellAlignment(int row, int column, CDocParagraph::Alignment alignment)
{
    if (Cell* cell = Target(row, column))
    {
        for (CDocParagraph& paragraph : cell->Paragraphs)
            paragraph.ParagraphAlignment = alignment;
    }
}

bool CDocTable::MergeCells(int row1, int column1, int row2, int column2)
{
    if (column1 != column2 || !Valid(row1, column1) || !Valid(row2, column2))
        return false;
    const int top = qMin(row1, row2);
    const int bottom = qMax(row1, row2);
    if (top == bottom)
        return true;
    const int column = column1;
    Cell* topCell = Target(top, column);
    const int topRow = CellAt(top, column).MergedInto > 0 ? CellAt(top, column).MergedInto : top;
    auto isEmpty = [](const Cell& cell)
    {
        for (const CDocParagraph& paragraph : cell.Paragraphs)
        {
            if (!paragraph.Runs.isEmpty())
                return false;
        }
        return true;
    };
    int lastRow = topRow + topCell->MergedRows - 1;
    for (int row = lastRow + 1; row <= bottom; ++row)
    {
        Cell& cell = m_Cells[qsizetype(row - 1) * m_Columns + column - 1];
        if (cell.MergedInto > 0)
            continue;
        // A merged block below becomes part of this one.
        const int spanned = cell.MergedRows;
        if (!isEmpty(cell))
        {
            if (isEmpty(*topCell))
                topCell->Paragraphs = cell.Paragraphs;
            else
                topCell->Paragraphs += cell.Paragraphs;
        }
        for (int r = row; r < row + spanned; ++r)
        {
            Cell& below = m_Cells[qsizetype(r - 1) * m_Columns + column - 1];
            below.MergedInto = topRow;
            below.MergedRows = 1;
            below.Paragraphs = {CDocParagraph()};
        }
        lastRow = qMax(lastRow, row + spanned - 1);
    }
    topCell->MergedRows = lastRow - topRow + 1;
    return true;
}
