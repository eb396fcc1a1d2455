#include "viewer/FreexlWorkbook.h"

#include <QFile>

#include <freexl.h>

namespace
{
QString Reason(int code)
{
    switch (code)
    {
    case FREEXL_FILE_NOT_FOUND:
        return QStringLiteral("cannot be opened for reading");
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("too large to read");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return QStringLiteral("holds no workbook");
    default:
        return QStringLiteral("damaged or truncated .xls workbook (freexl error %1)").arg(code);
    }
}
} // namespace

std::unique_ptr<CWorkbook> CFreexlWorkbook::Open(const QString& path, QString* error)
{
    std::unique_ptr<CFreexlWorkbook> book(new CFreexlWorkbook);
    const int rc = freexl_open(QFile::encodeName(path).constData(), &book->m_Handle);
    if (rc != FREEXL_OK)
    {
        *error = Reason(rc);
        return nullptr; // the destructor closes the handle, as freexl asks even on failure
    }
    unsigned int count = 0;
    if (freexl_get_info(book->m_Handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
    {
        *error = Reason(FREEXL_BIFF_WORKBOOK_NOT_FOUND);
        return nullptr;
    }
    book->m_SheetCount = int(count);
    unsigned int mode = 0;
    if (freexl_get_info(book->m_Handle, FREEXL_BIFF_DATEMODE, &mode) == FREEXL_OK)
        book->m_1904 = mode == FREEXL_BIFF_DATEMODE_1904;
    return book;
}

CFreexlWorkbook::~CFreexlWorkbook()
{
    if (m_Handle)
        freexl_close(m_Handle);
}

bool CFreexlWorkbook::Select(int sheet)
{
    if (sheet == m_Selected)
        return true;
    m_Selected = -1;
    int rc = freexl_select_active_worksheet(m_Handle, unsigned(sheet - 1));
    if (rc == FREEXL_OK)
        rc = freexl_worksheet_dimensions(m_Handle, &m_Rows, &m_Columns);
    if (rc != FREEXL_OK)
    {
        Fail(Reason(rc));
        return false;
    }
    m_Selected = sheet;
    return true;
}

CCellValue CFreexlWorkbook::Cell(int sheet, int row, int column)
{
    if (sheet < 1 || sheet > m_SheetCount || row < 0 || column < 0 || !Select(sheet) ||
        unsigned(row) >= m_Rows || unsigned(column) >= m_Columns)
        return {};
    FreeXL_CellValue value;
    const int rc = freexl_get_cell_value(m_Handle, unsigned(row), (unsigned short)column, &value);
    if (rc != FREEXL_OK)
    {
        Fail(Reason(rc));
        return {};
    }
    switch (value.type)
    {
    case FREEXL_CELL_INT:
        return CCellValue::Number(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return CCellValue::Number(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return CCellValue::Text(QString::fromUtf8(value.value.text_value));
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
    {
        // freexl writes date cells out as text; the viewer wants the day number back.
        double day = 0.0;
        if (DayNumberOfText(QString::fromLatin1(value.value.text_value), &day, m_1904))
            return CCellValue::Number(day);
        return CCellValue::Other();
    }
    case FREEXL_CELL_NULL:
        return {};
    default:
        return CCellValue::Other();
    }
}
