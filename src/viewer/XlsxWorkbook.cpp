#include "viewer/XlsxWorkbook.h"

#include <QFile>

#include <charconv>
#include <cstring>
#include <pugixml.hpp>
#include <zip.h>

namespace
{
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_ws_pcdata;

quint64 Key(int row, int column)
{
    return (quint64(quint32(row)) << 16) | quint16(column);
}

// Attribute names carry whatever namespace prefix the writer chose ("r:id", "ns1:id").
const char* RelationshipId(const pugi::xml_node& sheet)
{
    for (const pugi::xml_attribute& a : sheet.attributes())
    {
        const char* name = a.name();
        const char* colon = std::strrchr(name, ':');
        if (colon && std::strcmp(colon + 1, "id") == 0)
            return a.value();
    }
    return "";
}

// Local name without prefix, so that "x:c" and "c" both match.
bool Is(const pugi::xml_node& node, const char* localName)
{
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return std::strcmp(colon ? colon + 1 : name, localName) == 0;
}

pugi::xml_node Child(const pugi::xml_node& node, const char* localName)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && Is(c, localName))
            return c;
    return {};
}

// Text of a string item: its <t>, or all runs' <t>, leaving out phonetic hints.
void CollectText(const pugi::xml_node& node, std::string* out)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    {
        if (c.type() != pugi::node_element)
            continue;
        if (Is(c, "t"))
            *out += c.text().get();
        else if (Is(c, "r"))
            CollectText(c, out);
    }
}

// Characters XML cannot carry are written as _xHHHH_.
QString Unescape(const std::string& text)
{
    QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (!s.contains(QLatin1String("_x")))
        return s;
    QString out;
    for (qsizetype k = 0; k < s.size(); ++k)
    {
        if (s[k] == QLatin1Char('_') && k + 6 < s.size() && s[k + 1] == QLatin1Char('x') &&
            s[k + 6] == QLatin1Char('_'))
        {
            bool ok = false;
            const ushort code = s.mid(k + 2, 4).toUShort(&ok, 16);
            if (ok)
            {
                out += QChar(code);
                k += 6;
                continue;
            }
        }
        out += s[k];
    }
    return out;
}

bool ToDouble(const char* text, double* value)
{
    while (*text == ' ')
        ++text;
    const char* end = text + std::strlen(text);
    while (end > text && end[-1] == ' ')
        --end;
    if (*text == '+')
        ++text;
    const auto result = std::from_chars(text, end, *value);
    return result.ec == std::errc() && result.ptr == end && text != end;
}

bool ToIndex(const char* text, int* value)
{
    const char* end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, *value);
    return result.ec == std::errc() && result.ptr == end && text != end;
}

QString ResolveTarget(const QString& target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QString path = QStringLiteral("xl/") + target;
    // "../" parts are rare but legal.
    while (path.contains(QLatin1String("/../")))
    {
        const qsizetype up = path.indexOf(QLatin1String("/../"));
        const qsizetype start = path.lastIndexOf(QLatin1Char('/'), up - 1);
        path.remove(start + 1, up + 4 - (start + 1));
    }
    return path;
}
} // namespace

std::unique_ptr<CWorkbook> CXlsxWorkbook::Open(const QString& path, QString* error)
{
    std::unique_ptr<CXlsxWorkbook> book(new CXlsxWorkbook);
    int zipError = 0;
    book->m_Zip =
        zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
    if (!book->m_Zip)
    {
        *error = zipError == ZIP_ER_OPEN || zipError == ZIP_ER_READ
                     ? QStringLiteral("cannot be opened for reading")
                     : QStringLiteral("damaged or truncated .xlsx workbook (zip error %1)")
                           .arg(zipError);
        return nullptr;
    }
    if (!book->ReadWorkbookParts(error) || !book->ReadSharedStrings(error))
        return nullptr;
    book->m_Sheets.resize(book->m_SheetParts.size());
    return book;
}

CXlsxWorkbook::~CXlsxWorkbook()
{
    if (m_Zip)
        zip_discard(m_Zip); // opened read only: nothing is ever written back
}

bool CXlsxWorkbook::ReadPart(const QString& name, QByteArray* data, bool optional)
{
    const QByteArray entry = name.toUtf8();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(m_Zip, entry.constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
    {
        if (!optional)
            Fail(QStringLiteral("damaged .xlsx workbook (%1 is missing)").arg(name));
        return false;
    }
    if (st.size > 512u * 1024u * 1024u)
    {
        Fail(QStringLiteral("too large to read (%1)").arg(name));
        return false;
    }
    zip_file_t* file = zip_fopen(m_Zip, entry.constData(), 0);
    if (!file)
    {
        Fail(QStringLiteral("damaged or truncated .xlsx workbook (%1 unreadable)").arg(name));
        return false;
    }
    data->resize(qsizetype(st.size));
    const zip_int64_t got = zip_fread(file, data->data(), st.size);
    const bool ok = got == zip_int64_t(st.size) && zip_fclose(file) == 0;
    if (!ok)
        Fail(QStringLiteral("damaged or truncated .xlsx workbook (%1 unreadable)").arg(name));
    return ok;
}

bool CXlsxWorkbook::ReadWorkbookParts(QString* error)
{
    QByteArray workbookXml;
    QByteArray relsXml;
    if (!ReadPart(QStringLiteral("xl/workbook.xml"), &workbookXml) ||
        !ReadPart(QStringLiteral("xl/_rels/workbook.xml.rels"), &relsXml))
    {
        *error = Error();
        return false;
    }
    pugi::xml_document rels;
    pugi::xml_document workbook;
    if (!rels.load_buffer(relsXml.constData(), size_t(relsXml.size())) ||
        !workbook.load_buffer(workbookXml.constData(), size_t(workbookXml.size())))
    {
        *error = QStringLiteral("damaged .xlsx workbook (malformed workbook part)");
        return false;
    }
    QHash<QString, QString> targets;
    for (pugi::xml_node r = rels.document_element().first_child(); r; r = r.next_sibling())
        targets.insert(QString::fromUtf8(r.attribute("Id").value()),
                       QString::fromUtf8(r.attribute("Target").value()));

    const pugi::xml_node root = workbook.document_element();
    const pugi::xml_node pr = Child(root, "workbookPr");
    const pugi::xml_attribute date1904 = pr.attribute("date1904");
    m_1904 = date1904 && date1904.as_bool();
    for (pugi::xml_node s = Child(Child(root, "sheets"), "sheet"); s; s = s.next_sibling())
    {
        if (s.type() != pugi::node_element || !Is(s, "sheet"))
            continue;
        const QString target = targets.value(QString::fromUtf8(RelationshipId(s)));
        if (target.isEmpty())
        {
            *error = QStringLiteral("damaged .xlsx workbook (a sheet has no part)");
            return false;
        }
        m_SheetParts.append(ResolveTarget(target));
    }
    return true;
}

bool CXlsxWorkbook::ReadSharedStrings(QString* error)
{
    QByteArray xml;
    if (!ReadPart(QStringLiteral("xl/sharedStrings.xml"), &xml, true))
    {
        *error = Error();
        return error->isEmpty(); // a workbook without text has no such part
    }
    pugi::xml_document doc;
    if (!doc.load_buffer_inplace(xml.data(), size_t(xml.size()), ParseOptions))
    {
        *error = QStringLiteral("damaged .xlsx workbook (malformed shared strings)");
        return false;
    }
    std::string text;
    for (pugi::xml_node si = doc.document_element().first_child(); si; si = si.next_sibling())
    {
        if (si.type() != pugi::node_element || !Is(si, "si"))
            continue;
        text.clear();
        CollectText(si, &text);
        m_SharedStrings.append(Unescape(text));
    }
    return true;
}

bool CXlsxWorkbook::ReadSheet(int sheet, CSheetCells* cells)
{
    QByteArray xml;
    if (!ReadPart(m_SheetParts[sheet - 1], &xml))
        return false;
    pugi::xml_document doc;
    if (!doc.load_buffer_inplace(xml.data(), size_t(xml.size()), ParseOptions))
    {
        Fail(QStringLiteral("damaged .xlsx workbook (malformed sheet %1)").arg(sheet));
        return false;
    }
    const pugi::xml_node data = Child(doc.document_element(), "sheetData");
    int row = -1;
    for (pugi::xml_node r = data.first_child(); r; r = r.next_sibling())
    {
        if (r.type() != pugi::node_element || !Is(r, "row"))
            continue;
        const pugi::xml_attribute rowNumber = r.attribute("r");
        row = rowNumber ? rowNumber.as_int() - 1 : row + 1;
        int column = -1;
        for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling())
        {
            if (c.type() != pugi::node_element || !Is(c, "c"))
                continue;
            const pugi::xml_attribute ref = c.attribute("r");
            int cellRow = row;
            if (!ref || !ParseCellName(QString::fromLatin1(ref.value()), &cellRow, &column))
                ++column;
            if (cellRow < 0 || column < 0)
                continue;
            const char* type = c.attribute("t").value();
            const pugi::xml_node v = Child(c, "v");
            CCellValue value;
            if (std::strcmp(type, "inlineStr") == 0)
            {
                std::string text;
                CollectText(Child(c, "is"), &text);
                value = CCellValue::Text(Unescape(text));
            }
            else if (!v)
                continue; // a formula never calculated, or a formatted blank
            else if (std::strcmp(type, "s") == 0)
            {
                int index = -1;
                if (!ToIndex(v.text().get(), &index) || index < 0 ||
                    index >= m_SharedStrings.size())
                {
                    Fail(QStringLiteral("damaged .xlsx workbook (bad string in sheet %1)")
                             .arg(sheet));
                    return false;
                }
                value = CCellValue::Text(m_SharedStrings[index]);
            }
            else if (std::strcmp(type, "str") == 0)
                value = CCellValue::Text(Unescape(v.text().get()));
            else if (std::strcmp(type, "d") == 0)
            {
                double day = 0.0;
                value = DayNumberOfText(QString::fromLatin1(v.text().get()), &day, m_1904)
                            ? CCellValue::Number(day)
                            : CCellValue::Other();
            }
            else if (*type == 0 || std::strcmp(type, "n") == 0)
            {
                double number = 0.0;
                if (!ToDouble(v.text().get(), &number))
                {
                    Fail(QStringLiteral("damaged .xlsx workbook (bad number in sheet %1)")
                             .arg(sheet));
                    return false;
                }
                value = CCellValue::Number(number);
            }
            else
                value = CCellValue::Other(); // truth values and error values
            cells->insert(Key(cellRow, column), value);
        }
    }
    return true;
}

CCellValue CXlsxWorkbook::Cell(int sheet, int row, int column)
{
    if (sheet < 1 || sheet > SheetCount() || row < 0 || column < 0 || column > 0xFFFF)
        return {};
    std::optional<CSheetCells>& cells = m_Sheets[sheet - 1];
    if (!cells)
    {
        cells.emplace();
        if (!ReadSheet(sheet, &*cells))
            cells->clear();
    }
    return cells->value(Key(row, column));
}
