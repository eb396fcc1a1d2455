#pragma once

#include "risk_analysis/ResultRow.h"

#include <QTableWidget>

// One read-only result list in report style: a column per field, whole rows selected, grid
// lines, and headers the user can drag into another order (display only).
class CResultListView : public QTableWidget
{
    Q_OBJECT
public:
    explicit CResultListView(QWidget* parent = nullptr);

    void SetUpResultColumns();
    void SetUpAccidentRateColumns();
    void SetUpCollectiveRiskColumns();

    // Appends one row; the texts go into the columns in their logical order.
    void AppendRow(const QStringList& texts);
    void ClearRows() { setRowCount(0); }
    // Columns only ever grow, so the set-up widths stay the smallest.
    void WidenColumnsToContents();

private:
    struct Column
    {
        const char* title;
        int width;
    };
    void SetUpColumns(std::initializer_list<Column> columns);
};
