#include "viewer/XlsWorkbook.h"

#include <QFile>

#include <cstring>

namespace
{
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FreeSector = 0xFFFFFFFF;

quint16 U16(const char* p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

quint32 U32(const char* p)
{
    return quint32(U16(p)) | (quint32(U16(p + 2)) << 16);
}

double F64(const char* p)
{
    quint64 bits = 0;
    for (int k = 7; k >= 0; --k)
        bits = (bits << 8) | quint8(p[k]);
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double RkValue(quint32 rk)
{
    double value = 0.0;
    if (rk & 2)
        value = double(qint32(rk) >> 2);
    else
    {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 1) ? value / 100.0 : value;
}

// The compound file around the workbook stream: header, sector allocation table, directory
// and the mini stream for small streams. Every sector number is checked against the file, so a
// truncated or damaged file gives an error instead of a read past its end or an endless chain.
class CCompoundFile
{
public:
    explicit CCompoundFile(const QByteArray& file) : m_File(file) {}

    bool ReadStream(const QString& wantedName, QByteArray* stream, bool* found, QString* error)
    {
        *found = false;
        if (m_File.size() < 512)
            return Fail(error, QStringLiteral("truncated .xls workbook"));
        const char* h = m_File.constData();
        const int sectorShift = U16(h + 0x1E);
        const int miniShift = U16(h + 0x20);
        if ((sectorShift != 9 && sectorShift != 12) || miniShift != 6)
            return Fail(error, QStringLiteral("damaged .xls workbook (bad header)"));
        m_SectorSize = 1 << sectorShift;
        m_Sectors = quint32((m_File.size() - 1) / m_SectorSize); // whole sectors after the header

        // The allocation table's own sectors: 109 in the header, the rest in a chain.
        QList<quint32> fatSectors;
        const quint32 fatCount = U32(h + 0x2C);
        for (int k = 0; k < 109 && quint32(fatSectors.size()) < fatCount; ++k)
            fatSectors.append(U32(h + 0x4C + 4 * k));
        quint32 difat = U32(h + 0x44);
        for (quint32 guard = 0; quint32(fatSectors.size()) < fatCount; ++guard)
        {
            if (difat >= m_Sectors || guard > m_Sectors)
                return Fail(error, QStringLiteral("truncated .xls workbook (allocation table)"));
            const char* s = Sector(difat);
            const int perSector = m_SectorSize / 4 - 1;
            for (int k = 0; k < perSector && quint32(fatSectors.size()) < fatCount; ++k)
                fatSectors.append(U32(s + 4 * k));
            difat = U32(s + 4 * perSector);
        }
        m_Fat.reserve(fatSectors.size() * (m_SectorSize / 4));
        for (quint32 sector : fatSectors)
        {
            if (sector >= m_Sectors)
                return Fail(error, QStringLiteral("truncated .xls workbook (allocation table)"));
            const char* s = Sector(sector);
            for (int k = 0; k < m_SectorSize / 4; ++k)
                m_Fat.append(U32(s + 4 * k));
        }

        QByteArray directory;
        if (!ReadChain(U32(h + 0x30), -1, &directory))
            return Fail(error, QStringLiteral("truncated .xls workbook (directory)"));
        if (directory.size() < 128)
            return Fail(error, QStringLiteral("damaged .xls workbook (no directory)"));
        const quint32 miniStart = U32(directory.constData() + 0x74);
        const qint64 miniSize = U32(directory.constData() + 0x78);
        const quint32 cutoff = U32(h + 0x38);

        for (qsizetype at = 0; at + 128 <= directory.size(); at += 128)
        {
            const char* e = directory.constData() + at;
            const int nameBytes = U16(e + 0x40);
            if (e[0x42] != 2 || nameBytes < 2 || nameBytes > 64)
                continue;
            const QString name =
                QString::fromUtf16(reinterpret_cast<const char16_t*>(e), nameBytes / 2 - 1);
            if (name.compare(wantedName, Qt::CaseInsensitive) != 0)
                continue;
            *found = true;
            const quint32 start = U32(e + 0x74);
            const qint64 size = U32(e + 0x78);
            if (size < cutoff)
            {
                QByteArray mini;
                if (!ReadChain(miniStart, miniSize, &mini) ||
                    !ReadMiniChain(h, mini, start, size, stream))
                    return Fail(error, QStringLiteral("truncated .xls workbook"));
                return true;
            }
            if (!ReadChain(start, size, stream))
                return Fail(error, QStringLiteral("truncated .xls workbook"));
            return true;
        }
        return true;
    }

private:
    static bool Fail(QString* error, const QString& reason)
    {
        *error = reason;
        return false;
    }

    const char* Sector(quint32 sector) const
    {
        return m_File.constData() + (qint64(sector) + 1) * m_SectorSize;
    }

    // size < 0: the whole chain.
    bool ReadChain(quint32 sector, qint64 size, QByteArray* out) const
    {
        out->clear();
        if (size >= 0)
            out->reserve(size);
        for (quint32 guard = 0; sector != EndOfChain; ++guard)
        {
            if (sector >= m_Sectors || sector >= quint32(m_Fat.size()) || guard > m_Sectors)
                return false;
            out->append(Sector(sector), m_SectorSize);
            if (size >= 0 && out->size() >= size)
                break;
            sector = m_Fat[sector];
        }
        if (size >= 0)
        {
            if (out->size() < size)
                return false;
            out->truncate(size);
        }
        return true;
    }

    bool ReadMiniChain(const char* h, const QByteArray& mini, quint32 sector, qint64 size,
                       QByteArray* out) const
    {
        QByteArray miniFatBytes;
        if (!ReadChain(U32(h + 0x3C), -1, &miniFatBytes))
            return false;
        const quint32 miniSectors = quint32(mini.size() / 64);
        out->clear();
        for (quint32 guard = 0; out->size() < size; ++guard)
        {
            if (sector >= miniSectors || qint64(sector) * 4 + 4 > miniFatBytes.size() ||
                guard > miniSectors)
                return false;
            out->append(mini.constData() + qint64(sector) * 64, 64);
            sector = U32(miniFatBytes.constData() + qint64(sector) * 4);
        }
        out->truncate(size);
        return true;
    }

    const QByteArray& m_File;
    int m_SectorSize = 512;
    quint32 m_Sectors = 0;
    QList<quint32> m_Fat;
};

// Reads over the SST record and its CONTINUE records. A string's characters may run on into
// the next record, which then starts with a fresh flags byte saying whether they are 8 or 16
// bits wide; everything else simply continues.
class CSegmentReader
{
public:
    explicit CSegmentReader(const QList<QByteArray>& segments) : m_Segments(segments) {}

    bool Raw(int count, QByteArray* out)
    {
        out->clear();
        while (count > 0)
        {
            if (!Advance())
                return false;
            const QByteArray& s = m_Segments[m_Index];
            const int take = qMin(count, int(s.size() - m_Pos));
            out->append(s.constData() + m_Pos, take);
            m_Pos += take;
            count -= take;
        }
        return true;
    }
    bool U16(quint16* v)
    {
        QByteArray b;
        if (!Raw(2, &b))
            return false;
        *v = ::U16(b.constData());
        return true;
    }
    bool U32(quint32* v)
    {
        QByteArray b;
        if (!Raw(4, &b))
            return false;
        *v = ::U32(b.constData());
        return true;
    }
    bool Skip(qint64 count)
    {
        while (count > 0)
        {
            if (!Advance())
                return false;
            const qint64 take = qMin<qint64>(count, m_Segments[m_Index].size() - m_Pos);
            m_Pos += take;
            count -= take;
        }
        return true;
    }
    bool Chars(int count, bool wide, QString* out)
    {
        out->clear();
        out->reserve(count);
        while (count > 0)
        {
            if (m_Pos >= m_Segments[m_Index].size())
            {
                // Characters go on in the next record, after a new flags byte.
                if (++m_Index >= m_Segments.size() || m_Segments[m_Index].isEmpty())
                    return false;
                m_Pos = 1;
                wide = m_Segments[m_Index][0] & 1;
            }
            const QByteArray& s = m_Segments[m_Index];
            const int width = wide ? 2 : 1;
            const int take = qMin(count, int((s.size() - m_Pos) / width));
            if (take == 0)
                return false;
            const char* p = s.constData() + m_Pos;
            for (int k = 0; k < take; ++k)
                out->append(wide ? QChar(::U16(p + 2 * k)) : QChar(quint8(p[k])));
            m_Pos += take * width;
            count -= take;
        }
        return true;
    }

private:
    bool Advance()
    {
        while (m_Index < m_Segments.size() && m_Pos >= m_Segments[m_Index].size())
        {
            ++m_Index;
            m_Pos = 0;
        }
        return m_Index < m_Segments.size();
    }

    const QList<QByteArray>& m_Segments;
    qsizetype m_Index = 0;
    qsizetype m_Pos = 0;
};

// A string inside one record (LABEL, STRING): count, flags, characters.
QString RecordString(const char* p, int length, int countBytes)
{
    if (length < countBytes + 1)
        return {};
    const int count = countBytes == 2 ? U16(p) : quint8(p[0]);
    const quint8 flags = quint8(p[countBytes]);
    int at = countBytes + 1;
    if (flags & 8)
        at += 2; // rich text runs count
    if (flags & 4)
        at += 4; // extended data size
    const bool wide = flags & 1;
    QString s;
    for (int k = 0; k < count && at + (wide ? 2 : 1) <= length; ++k, at += wide ? 2 : 1)
        s.append(wide ? QChar(U16(p + at)) : QChar(quint8(p[at])));
    return s;
}

enum : quint16
{
    RecFormula = 0x0006,
    RecEof = 0x000A,
    RecFilePass = 0x002F,
    RecContinue = 0x003C,
    RecBoundSheet = 0x0085,
    RecMulRk = 0x00BD,
    RecSst = 0x00FC,
    RecLabelSst = 0x00FD,
    RecRString = 0x00D6,
    RecNumber = 0x0203,
    RecLabel = 0x0204,
    RecBoolErr = 0x0205,
    RecString = 0x0207,
    RecRk = 0x027E,
    RecBof = 0x0809
};
} // namespace

CXlsWorkbook::OpenResult CXlsWorkbook::Open(const QString& path, std::unique_ptr<CWorkbook>* book,
                                            QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        *error = QStringLiteral("cannot be opened for reading");
        return OpenResult::Failed;
    }
    // Read, not mapped: a file cut short by someone else meanwhile must not crash the scan.
    const QByteArray bytes = file.readAll();
    file.close();

    std::unique_ptr<CXlsWorkbook> xls(new CXlsWorkbook);
    CCompoundFile compound(bytes);
    bool found = false;
    if (!compound.ReadStream(QStringLiteral("Workbook"), &xls->m_Stream, &found, error))
        return OpenResult::Failed;
    if (!found)
        return OpenResult::NotBiff8; // "Book": Excel 5 or older
    const OpenResult result = xls->ReadGlobals(error);
    if (result == OpenResult::Opened)
        *book = std::move(xls);
    return result;
}

CXlsWorkbook::OpenResult CXlsWorkbook::ReadGlobals(QString* error)
{
    const char* data = m_Stream.constData();
    const qsizetype size = m_Stream.size();
    if (size < 8 || U16(data) != RecBof || U16(data + 2) < 2)
    {
        *error = QStringLiteral("damaged .xls workbook (no workbook records)");
        return OpenResult::Failed;
    }
    if (U16(data + 4) != 0x0600)
        return OpenResult::NotBiff8;

    QList<QByteArray> sst;
    bool inSst = false;
    qsizetype at = 0;
    for (;;)
    {
        if (at + 4 > size)
        {
            *error = QStringLiteral("truncated .xls workbook");
            return OpenResult::Failed;
        }
        const quint16 id = U16(data + at);
        const quint16 length = U16(data + at + 2);
        const char* body = data + at + 4;
        if (at + 4 + length > size)
        {
            *error = QStringLiteral("truncated .xls workbook");
            return OpenResult::Failed;
        }
        at += 4 + length;
        if (id == RecContinue && inSst)
        {
            sst.append(QByteArray(body, length));
            continue;
        }
        inSst = false;
        if (id == RecEof)
            break;
        if (id == RecFilePass)
        {
            *error = QStringLiteral("password-protected workbook");
            return OpenResult::Failed;
        }
        if (id == RecBoundSheet && length >= 6)
        {
            // Visual Basic modules are no sheets of the workbook's Sheets.
            if (quint8(body[5]) != 6)
                m_SheetOffsets.append(U32(body));
        }
        else if (id == RecSst)
        {
            sst.append(QByteArray(body, length));
            inSst = true;
        }
    }
    if (!sst.isEmpty() && !ReadSharedStrings(sst, error))
        return OpenResult::Failed;
    m_Sheets.resize(m_SheetOffsets.size());
    return OpenResult::Opened;
}

bool CXlsWorkbook::ReadSharedStrings(const QList<QByteArray>& segments, QString* error)
{
    CSegmentReader reader(segments);
    quint32 total = 0;
    quint32 unique = 0;
    if (!reader.U32(&total) || !reader.U32(&unique))
    {
        *error = QStringLiteral("damaged .xls workbook (shared strings)");
        return false;
    }
    m_SharedStrings.reserve(qMin<quint32>(unique, 1u << 20));
    for (quint32 k = 0; k < unique; ++k)
    {
        quint16 count = 0;
        QByteArray flags;
        quint16 runs = 0;
        quint32 ext = 0;
        QString text;
        if (!reader.U16(&count) || !reader.Raw(1, &flags) ||
            ((flags[0] & 8) && !reader.U16(&runs)) || ((flags[0] & 4) && !reader.U32(&ext)) ||
            !reader.Chars(count, flags[0] & 1, &text) || !reader.Skip(qint64(runs) * 4 + ext))
        {
            *error = QStringLiteral("damaged .xls workbook (shared strings)");
            return false;
        }
        m_SharedStrings.append(text);
    }
    return true;
}

bool CXlsWorkbook::ReadSheet(int sheet, CSheetCells* cells)
{
    const char* data = m_Stream.constData();
    const qsizetype size = m_Stream.size();
    qsizetype at = m_SheetOffsets[sheet - 1];
    int depth = 0; // charts embedded in a sheet bring their own BOF ... EOF
    bool pendingString = false;
    int pendingRow = 0;
    int pendingColumn = 0;
    for (;;)
    {
        if (at < 0 || at + 4 > size || at + 4 + U16(data + at + 2) > size)
        {
            Fail(QStringLiteral("truncated .xls workbook (sheet %1)").arg(sheet));
            return false;
        }
        const quint16 id = U16(data + at);
        const int length = U16(data + at + 2);
        const char* b = data + at + 4;
        at += 4 + length;
        if (id == RecBof)
        {
            ++depth;
            continue;
        }
        if (id == RecEof)
        {
            if (--depth <= 0)
                return true;
            continue;
        }
        if (depth != 1)
            continue;
        if (pendingString && id == RecString)
        {
            cells->Insert(pendingRow, pendingColumn, CCellValue::Text(RecordString(b, length, 2)));
            pendingString = false;
            continue;
        }
        pendingString = false;
        if (length < 6)
            continue;
        const int row = U16(b);
        const int column = U16(b + 2);
        switch (id)
        {
        case RecNumber:
            if (length >= 14)
                cells->Insert(row, column, CCellValue::Number(F64(b + 6)));
            break;
        case RecRk:
            if (length >= 10)
                cells->Insert(row, column, CCellValue::Number(RkValue(U32(b + 6))));
            break;
        case RecMulRk:
            // Pairs of format and value from offset 4; the last column closes the record.
            for (int k = 0; 4 + 6 * k + 6 <= length - 2; ++k)
                cells->Insert(row, column + k, CCellValue::Number(RkValue(U32(b + 4 + 6 * k + 2))));
            break;
        case RecLabelSst:
        {
            if (length < 10)
                break;
            const quint32 index = U32(b + 6);
            if (index >= quint32(m_SharedStrings.size()))
            {
                Fail(QStringLiteral("damaged .xls workbook (bad string in sheet %1)").arg(sheet));
                return false;
            }
            cells->Insert(row, column, CCellValue::Text(m_SharedStrings[int(index)]));
            break;
        }
        case RecLabel:
        case RecRString:
            cells->Insert(row, column, CCellValue::Text(RecordString(b + 6, length - 6, 2)));
            break;
        case RecBoolErr:
            cells->Insert(row, column, CCellValue::Other());
            break;
        case RecFormula:
        {
            // The value last calculated, as the spreadsheet program would show it.
            if (length < 14)
                break;
            if (U16(b + 12) != 0xFFFF)
                cells->Insert(row, column, CCellValue::Number(F64(b + 6)));
            else if (b[6] == 0)
            {
                pendingString = true; // the text follows in a STRING record
                pendingRow = row;
                pendingColumn = column;
            }
            else if (b[6] == 3)
                cells->Insert(row, column, CCellValue::Text(QString()));
            else
                cells->Insert(row, column, CCellValue::Other());
            break;
        }
        default:
            break; // BLANK and MULBLANK are empty cells; the rest is formatting
        }
    }
}

void CXlsWorkbook::CSheetCells::Insert(int row, int column, CCellValue value)
{
    if (size_t(row) >= rows.size())
        rows.resize(size_t(row) + 1);
    std::vector<CCellValue>& cells = rows[size_t(row)];
    if (size_t(column) >= cells.size())
        cells.resize(size_t(column) + 1);
    cells[size_t(column)] = std::move(value);
}

CCellValue CXlsWorkbook::CSheetCells::Value(int row, int column) const
{
    if (size_t(row) >= rows.size() || size_t(column) >= rows[size_t(row)].size())
        return {};
    return rows[size_t(row)][size_t(column)];
}

CCellValue CXlsWorkbook::Cell(int sheet, int row, int column)
{
    if (sheet < 1 || sheet > SheetCount() || row < 0 || column < 0 || row > 0xFFFF || column > 0xFF)
        return {};
    std::optional<CSheetCells>& cells = m_Sheets[sheet - 1];
    if (!cells)
    {
        cells.emplace();
        if (!ReadSheet(sheet, &*cells))
            cells->rows.clear();
    }
    return cells->Value(row, column);
}
