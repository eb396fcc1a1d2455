#pragma once

#include "viewer/Workbook.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// An Excel 97-2003 (BIFF8) workbook read straight from its compound file. Cells keep their
// stored values: a date cell is its day number with any time part, as the spreadsheet program
// hands it over. (freexl turns date cells into text by counting days from 1900, which made
// a scan of a few hundred workbooks take longer than a Python script; it still reads the
// older formats.)
class CXlsWorkbook : public CWorkbook
{
public:
    enum class OpenResult
    {
        Opened,
        NotBiff8, // a compound file, but no Excel 97-2003 workbook: try freexl
        Failed
    };

    static OpenResult Open(const QString& path, std::unique_ptr<CWorkbook>* book, QString* error);

    int SheetCount() const override { return int(m_SheetOffsets.size()); }
    CCellValue Cell(int sheet, int row, int column) override;

private:
    // Rows of cells by column: a BIFF8 sheet has at most 65536 rows and 256 columns.
    struct CSheetCells
    {
        std::vector<std::vector<CCellValue>> rows;
        void Insert(int row, int column, CCellValue value);
        CCellValue Value(int row, int column) const;
    };

    CXlsWorkbook() = default;
    OpenResult ReadGlobals(QString* error);
    bool ReadSharedStrings(const QList<QByteArray>& segments, QString* error);
    bool ReadSheet(int sheet, CSheetCells* cells);

    QByteArray m_Stream; // the workbook stream, read once
    QList<quint32> m_SheetOffsets;
    QList<QString> m_SharedStrings;
    QList<std::optional<CSheetCells>> m_Sheets;
};
