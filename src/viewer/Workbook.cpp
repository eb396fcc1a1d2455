#include "viewer/Workbook.h"

#include "viewer/FreexlWorkbook.h"
#include "viewer/XlsWorkbook.h"
#include "viewer/XlsxWorkbook.h"

#include <QFile>

namespace
{
qint64 DaysFromCivil(qint64 y, qint64 m, qint64 d)
{
    // Days since 1970-01-01 in the proleptic Gregorian calendar.
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool ReadNumber(QStringView text, int from, int length, int* value)
{
    if (from + length > text.size())
        return false;
    int v = 0;
    for (int k = from; k < from + length; ++k)
    {
        const QChar c = text[k];
        if (!c.isDigit())
            return false;
        v = v * 10 + c.digitValue();
    }
    *value = v;
    return true;
}

bool ReadTime(QStringView text, double* fraction)
{
    int h = 0;
    int m = 0;
    int s = 0;
    if (!ReadNumber(text, 0, 2, &h) || text.size() < 5 || text[2] != QLatin1Char(':') ||
        !ReadNumber(text, 3, 2, &m))
        return false;
    double seconds = 0.0;
    if (text.size() > 5)
    {
        if (text[5] != QLatin1Char(':') || !ReadNumber(text, 6, 2, &s))
            return false;
        seconds = s;
        // Fractions of a second, as .xlsx date cells may carry them.
        if (text.size() > 8 && text[8] == QLatin1Char('.'))
        {
            double scale = 0.1;
            for (int k = 9; k < text.size() && text[k].isDigit(); ++k, scale /= 10)
                seconds += scale * text[k].digitValue();
        }
    }
    *fraction = (h * 3600.0 + m * 60.0 + seconds) / 86400.0;
    return true;
}
} // namespace

std::unique_ptr<CWorkbook> CWorkbook::Open(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        *error = QStringLiteral("cannot be opened for reading");
        return nullptr;
    }
    const QByteArray magic = file.read(8);
    file.close();
    if (magic.startsWith("PK"))
        return CXlsxWorkbook::Open(path, error);
    if (magic.startsWith("\xD0\xCF\x11\xE0"))
    {
        std::unique_ptr<CWorkbook> book;
        switch (CXlsWorkbook::Open(path, &book, error))
        {
        case CXlsWorkbook::OpenResult::Opened:
            return book;
        case CXlsWorkbook::OpenResult::NotBiff8:
            return CFreexlWorkbook::Open(path, error);
        case CXlsWorkbook::OpenResult::Failed:
            return nullptr;
        }
    }
    *error = QStringLiteral("not a workbook");
    return nullptr;
}

CCellValue CWorkbook::Cell(int sheet, QStringView cellName)
{
    int row = 0;
    int column = 0;
    if (!ParseCellName(cellName, &row, &column))
        return {};
    return Cell(sheet, row, column);
}

bool CWorkbook::ParseCellName(QStringView cellName, int* row, int* column)
{
    int k = 0;
    int col = 0;
    while (k < cellName.size() && cellName[k].isLetter() && cellName[k].unicode() < 128)
    {
        col = col * 26 + (cellName[k].toUpper().unicode() - 'A' + 1);
        if (col > 16384)
            return false;
        ++k;
    }
    if (k == 0 || k == cellName.size())
        return false;
    int r = 0;
    for (; k < cellName.size(); ++k)
    {
        if (!cellName[k].isDigit())
            return false;
        r = r * 10 + cellName[k].digitValue();
        if (r > 1048576)
            return false;
    }
    if (r == 0)
        return false;
    *row = r - 1;
    *column = col - 1;
    return true;
}

bool CWorkbook::DayNumberOfText(QStringView text, double* dayNumber, bool from1904)
{
    if (text.size() >= 8 && text[2] == QLatin1Char(':'))
        return ReadTime(text, dayNumber);
    int y = 0;
    int m = 0;
    int d = 0;
    if (!ReadNumber(text, 0, 4, &y) || text.size() < 10 || text[4] != QLatin1Char('-') ||
        !ReadNumber(text, 5, 2, &m) || text[7] != QLatin1Char('-') || !ReadNumber(text, 8, 2, &d))
        return false;
    if (m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    double day = 0.0;
    if (from1904)
        day = double(DaysFromCivil(y, m, d) - DaysFromCivil(1904, 1, 1));
    else if (y == 1900 && m == 2 && d == 29)
        day = 60; // the spreadsheet's own leap day
    else
    {
        qint64 serial = DaysFromCivil(y, m, d) - DaysFromCivil(1899, 12, 30);
        if (serial < 61)
            serial -= 1; // before the false leap day everything is one day earlier
        day = double(serial);
    }
    double fraction = 0.0;
    if (text.size() > 10)
    {
        if ((text[10] != QLatin1Char(' ') && text[10] != QLatin1Char('T')) ||
            !ReadTime(text.mid(11), &fraction))
            return false;
    }
    *dayNumber = day + fraction;
    return true;
}
