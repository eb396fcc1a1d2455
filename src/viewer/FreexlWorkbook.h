#pragma once

#include "viewer/Workbook.h"

// An .xls workbook read through freexl: the fallback for the older BIFF formats (Excel 5 and
// before) that CXlsWorkbook does not read. freexl parses the whole file when it opens it.
class CFreexlWorkbook : public CWorkbook
{
public:
    static std::unique_ptr<CWorkbook> Open(const QString& path, QString* error);
    ~CFreexlWorkbook() override;

    int SheetCount() const override { return m_SheetCount; }
    CCellValue Cell(int sheet, int row, int column) override;

private:
    CFreexlWorkbook() = default;
    bool Select(int sheet);

    const void* m_Handle = nullptr;
    int m_SheetCount = 0;
    bool m_1904 = false;
    int m_Selected = -1;
    unsigned int m_Rows = 0;
    unsigned short m_Columns = 0;
};
