#pragma once

#include "viewer/CellValue.h"

#include <QString>
#include <QStringView>

#include <memory>

// A workbook opened for reading only (.xls or .xlsx). Sheets are numbered from 1 and cells are
// named as in the spreadsheet ("E761"). A failure while reading a sheet leaves the cell empty
// and is kept in Error(), so that a caller reads on and checks once at the end.
class CWorkbook
{
public:
    virtual ~CWorkbook() = default;

    // Opens by content (an .xlsx is a zip archive, an .xls a compound file). Null on failure,
    // with the reason in *error.
    static std::unique_ptr<CWorkbook> Open(const QString& path, QString* error);

    virtual int SheetCount() const = 0;
    // Row and column from 0; outside the sheet the cell is empty.
    virtual CCellValue Cell(int sheet, int row, int column) = 0;
    CCellValue Cell(int sheet, QStringView cellName);

    const QString& Error() const { return m_Error; }

    // "E761" -> row 760, column 4; false for a name that is no cell.
    static bool ParseCellName(QStringView cellName, int* row, int* column);
    // The day number of "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS", "YYYY-MM-DDTHH:MM:SS" or
    // "HH:MM:SS", counted as the spreadsheet counts (1900-02-29 is day 60); false otherwise.
    static bool DayNumberOfText(QStringView text, double* dayNumber, bool from1904 = false);

protected:
    void Fail(const QString& reason)
    {
        if (m_Error.isEmpty())
            m_Error = reason;
    }

private:
    QString m_Error;
};
