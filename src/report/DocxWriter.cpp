#include "report/DocxWriter.h"

#include "report/ReportDocument.h"

#include <QLocale>
#include <QXmlStreamWriter>

#include <zip.h>

#include <cmath>

namespace
{
const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString R =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString WP =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString A = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString PIC = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString PackageRels =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

constexpr int FirstPictureRel = 10;
constexpr qint64 EmuPerPoint = 12700;

QString Twips(double points)
{
    return QString::number(qRound(points * 20));
}

QString HalfPoints(double points)
{
    return QString::number(qMax(2, qRound(points * 2)));
}

// Writes the WordprocessingML of paragraphs and tables with the w: prefix.
class CBodyWriter
{
public:
    CBodyWriter(QXmlStreamWriter& xml, const CReportDocument& document)
        : m_Xml(xml), m_Document(document)
    {
    }

    void Attr(const QString& name, const QString& value) { m_Xml.writeAttribute(W, name, value); }

    void Empty(const QString& name, const QString& value = QString())
    {
        m_Xml.writeEmptyElement(W, name);
        if (!value.isNull())
            Attr(QStringLiteral("val"), value);
    }

    void CharFormat(const CDocCharFormat& format)
    {
        m_Xml.writeStartElement(W, QStringLiteral("rPr"));
        m_Xml.writeEmptyElement(W, QStringLiteral("rFonts"));
        const QString font = CDocxWriter::XmlSafe(format.FontName);
        Attr(QStringLiteral("ascii"), font);
        Attr(QStringLiteral("hAnsi"), font);
        Attr(QStringLiteral("cs"), font);
        if (format.Bold)
        {
            Empty(QStringLiteral("b"));
            Empty(QStringLiteral("bCs"));
        }
        Empty(QStringLiteral("sz"), HalfPoints(format.Size));
        Empty(QStringLiteral("szCs"), HalfPoints(format.Size));
        m_Xml.writeEndElement();
    }

    void Text(const QString& text)
    {
        QString chunk;
        auto flush = [&]
        {
            if (chunk.isEmpty())
                return;
            m_Xml.writeStartElement(W, QStringLiteral("t"));
            m_Xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            m_Xml.writeCharacters(chunk);
            m_Xml.writeEndElement();
            chunk.clear();
        };
        const QString safe = CDocxWriter::XmlSafe(text);
        for (qsizetype i = 0; i < safe.size(); ++i)
        {
            const QChar c = safe[i];
            if (c == QLatin1Char('\t'))
            {
                flush();
                Empty(QStringLiteral("tab"));
            }
            else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            {
                flush();
                Empty(QStringLiteral("br"));
                if (c == QLatin1Char('\r') && i + 1 < safe.size() &&
                    safe[i + 1] == QLatin1Char('\n'))
                    ++i;
            }
            else
                chunk += c;
        }
        flush();
    }

    void Field(const QString& instruction, const QString& shown, const CDocCharFormat& format)
    {
        m_Xml.writeStartElement(W, QStringLiteral("fldSimple"));
        Attr(QStringLiteral("instr"), instruction);
        m_Xml.writeStartElement(W, QStringLiteral("r"));
        CharFormat(format);
        Text(shown);
        m_Xml.writeEndElement();
        m_Xml.writeEndElement();
    }

    void Picture(int index, const CDocCharFormat& format)
    {
        const CReportDocument::Picture& picture = m_Document.Pictures()[index];
        // Natural size at 96 dpi, scaled down to the text area (with room for a heading).
        double width = picture.Pixels.width() * 0.75;
        double height = picture.Pixels.height() * 0.75;
        const double scale = std::min({1.0, CReportDocument::TextWidth / qMax(1.0, width),
                                       (CReportDocument::TextHeight - 72) / qMax(1.0, height)});
        const qint64 cx = qMax<qint64>(1, qint64(std::floor(width * scale * EmuPerPoint)));
        const qint64 cy = qMax<qint64>(1, qint64(std::floor(height * scale * EmuPerPoint)));
        const QString id = QString::number(index + 1);
        const QString name = QStringLiteral("image%1.png").arg(index + 1);

        m_Xml.writeStartElement(W, QStringLiteral("r"));
        CharFormat(format);
        m_Xml.writeStartElement(W, QStringLiteral("drawing"));
        m_Xml.writeStartElement(WP, QStringLiteral("inline"));
        for (const char* side : {"distT", "distB", "distL", "distR"})
            m_Xml.writeAttribute(QLatin1String(side), QStringLiteral("0"));
        m_Xml.writeEmptyElement(WP, QStringLiteral("extent"));
        m_Xml.writeAttribute(QStringLiteral("cx"), QString::number(cx));
        m_Xml.writeAttribute(QStringLiteral("cy"), QString::number(cy));
        m_Xml.writeEmptyElement(WP, QStringLiteral("docPr"));
        m_Xml.writeAttribute(QStringLiteral("id"), id);
        m_Xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Picture %1").arg(id));
        m_Xml.writeStartElement(WP, QStringLiteral("cNvGraphicFramePr"));
        m_Xml.writeEmptyElement(A, QStringLiteral("graphicFrameLocks"));
        m_Xml.writeAttribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
        m_Xml.writeEndElement();
        m_Xml.writeStartElement(A, QStringLiteral("graphic"));
        m_Xml.writeStartElement(A, QStringLiteral("graphicData"));
        m_Xml.writeAttribute(QStringLiteral("uri"), PIC);
        m_Xml.writeStartElement(PIC, QStringLiteral("pic"));
        m_Xml.writeStartElement(PIC, QStringLiteral("nvPicPr"));
        m_Xml.writeEmptyElement(PIC, QStringLiteral("cNvPr"));
        m_Xml.writeAttribute(QStringLiteral("id"), id);
        m_Xml.writeAttribute(QStringLiteral("name"), name);
        m_Xml.writeEmptyElement(PIC, QStringLiteral("cNvPicPr"));
        m_Xml.writeEndElement(); // nvPicPr
        m_Xml.writeStartElement(PIC, QStringLiteral("blipFill"));
        m_Xml.writeEmptyElement(A, QStringLiteral("blip"));
        m_Xml.writeAttribute(R, QStringLiteral("embed"),
                             QStringLiteral("rId%1").arg(FirstPictureRel + index));
        m_Xml.writeStartElement(A, QStringLiteral("stretch"));
        m_Xml.writeEmptyElement(A, QStringLiteral("fillRect"));
        m_Xml.writeEndElement();
        m_Xml.writeEndElement(); // blipFill
        m_Xml.writeStartElement(PIC, QStringLiteral("spPr"));
        m_Xml.writeStartElement(A, QStringLiteral("xfrm"));
        m_Xml.writeEmptyElement(A, QStringLiteral("off"));
        m_Xml.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
        m_Xml.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
        m_Xml.writeEmptyElement(A, QStringLiteral("ext"));
        m_Xml.writeAttribute(QStringLiteral("cx"), QString::number(cx));
        m_Xml.writeAttribute(QStringLiteral("cy"), QString::number(cy));
        m_Xml.writeEndElement(); // xfrm
        m_Xml.writeStartElement(A, QStringLiteral("prstGeom"));
        m_Xml.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
        m_Xml.writeEmptyElement(A, QStringLiteral("avLst"));
        m_Xml.writeEndElement();
        m_Xml.writeEndElement(); // spPr
        m_Xml.writeEndElement(); // pic
        m_Xml.writeEndElement(); // graphicData
        m_Xml.writeEndElement(); // graphic
        m_Xml.writeEndElement(); // inline
        m_Xml.writeEndElement(); // drawing
        m_Xml.writeEndElement(); // r
    }

    void Paragraph(const CDocParagraph& paragraph, const QString& style = QString())
    {
        using Kind = CDocParagraph::Run::Kind;
        m_Xml.writeStartElement(W, QStringLiteral("p"));
        m_Xml.writeStartElement(W, QStringLiteral("pPr"));
        if (!style.isEmpty())
            Empty(QStringLiteral("pStyle"), style);
        if (paragraph.ParagraphAlignment == CDocParagraph::Alignment::Center)
            Empty(QStringLiteral("jc"), QStringLiteral("center"));
        else if (paragraph.ParagraphAlignment == CDocParagraph::Alignment::Right)
            Empty(QStringLiteral("jc"), QStringLiteral("right"));
        CharFormat(paragraph.MarkFormat);
        m_Xml.writeEndElement(); // pPr
        for (const CDocParagraph::Run& run : paragraph.Runs)
        {
            switch (run.RunKind)
            {
            case Kind::Text:
                m_Xml.writeStartElement(W, QStringLiteral("r"));
                CharFormat(run.Format);
                Text(run.Text);
                m_Xml.writeEndElement();
                break;
            case Kind::PageBreak:
            case Kind::LineBreak:
                m_Xml.writeStartElement(W, QStringLiteral("r"));
                m_Xml.writeEmptyElement(W, QStringLiteral("br"));
                if (run.RunKind == Kind::PageBreak)
                    Attr(QStringLiteral("type"), QStringLiteral("page"));
                m_Xml.writeEndElement();
                break;
            case Kind::Picture:
                if (run.Picture >= 0 && run.Picture < m_Document.Pictures().size())
                    Picture(run.Picture, run.Format);
                break;
            case Kind::DateField:
                Field(QStringLiteral(" DATE "),
                      QLocale::c().toString(m_Document.FieldDate(), QStringLiteral("M/d/yyyy")),
                      run.Format);
                break;
            case Kind::PageField:
                Field(QStringLiteral(" PAGE "), QStringLiteral("1"), run.Format);
                break;
            }
        }
        m_Xml.writeEndElement(); // p
    }

    void Border(const QString& side, CDocTable::BorderStyle style)
    {
        m_Xml.writeEmptyElement(W, side);
        switch (style)
        {
        case CDocTable::BorderStyle::None:
            Attr(QStringLiteral("val"), QStringLiteral("nil"));
            return;
        case CDocTable::BorderStyle::Single:
            Attr(QStringLiteral("val"), QStringLiteral("single"));
            break;
        case CDocTable::BorderStyle::Double:
            Attr(QStringLiteral("val"), QStringLiteral("double"));
            break;
        }
        Attr(QStringLiteral("sz"), QStringLiteral("4"));
        Attr(QStringLiteral("space"), QStringLiteral("0"));
        Attr(QStringLiteral("color"), QStringLiteral("auto"));
    }

    void Table(const CDocTable& table)
    {
        m_Xml.writeStartElement(W, QStringLiteral("tbl"));
        m_Xml.writeStartElement(W, QStringLiteral("tblPr"));
        m_Xml.writeEmptyElement(W, QStringLiteral("tblW"));
        Attr(QStringLiteral("w"), Twips(table.Width()));
        Attr(QStringLiteral("type"), QStringLiteral("dxa"));
        m_Xml.writeStartElement(W, QStringLiteral("tblBorders"));
        for (const char* side : {"top", "left", "bottom", "right"})
            Border(QLatin1String(side), table.OutsideBorders());
        Border(QStringLiteral("insideH"), table.InsideBorders());
        Border(QStringLiteral("insideV"), table.InsideBorders());
        m_Xml.writeEndElement();
        m_Xml.writeEmptyElement(W, QStringLiteral("tblLayout"));
        Attr(QStringLiteral("type"), QStringLiteral("fixed"));
        m_Xml.writeStartElement(W, QStringLiteral("tblCellMar"));
        for (const char* side : {"left", "right"})
        {
            m_Xml.writeEmptyElement(W, QLatin1String(side));
            Attr(QStringLiteral("w"), QStringLiteral("108"));
            Attr(QStringLiteral("type"), QStringLiteral("dxa"));
        }
        m_Xml.writeEndElement();
        m_Xml.writeEndElement(); // tblPr
        m_Xml.writeStartElement(W, QStringLiteral("tblGrid"));
        for (int column = 1; column <= table.Columns(); ++column)
        {
            m_Xml.writeEmptyElement(W, QStringLiteral("gridCol"));
            Attr(QStringLiteral("w"), Twips(table.ColumnWidth(column)));
        }
        m_Xml.writeEndElement();
        for (int row = 1; row <= table.Rows(); ++row)
        {
            m_Xml.writeStartElement(W, QStringLiteral("tr"));
            if (table.RowHeight(row) > 0)
            {
                m_Xml.writeStartElement(W, QStringLiteral("trPr"));
                m_Xml.writeEmptyElement(W, QStringLiteral("trHeight"));
                Attr(QStringLiteral("val"), Twips(table.RowHeight(row)));
                Attr(QStringLiteral("hRule"), QStringLiteral("atLeast"));
                m_Xml.writeEndElement();
            }
            for (int column = 1; column <= table.Columns(); ++column)
                Cell(table, row, column);
            m_Xml.writeEndElement(); // tr
        }
        m_Xml.writeEndElement(); // tbl
    }

    void Cell(const CDocTable& table, int row, int column)
    {
        const CDocTable::Cell& cell = table.CellAt(row, column);
        // Cells merged into one above show the top cell's shading and alignment.
        const CDocTable::Cell& look =
            cell.MergedInto > 0 ? table.CellAt(cell.MergedInto, column) : cell;
        m_Xml.writeStartElement(W, QStringLiteral("tc"));
        m_Xml.writeStartElement(W, QStringLiteral("tcPr"));
        m_Xml.writeEmptyElement(W, QStringLiteral("tcW"));
        Attr(QStringLiteral("w"), Twips(table.ColumnWidth(column)));
        Attr(QStringLiteral("type"), QStringLiteral("dxa"));
        if (cell.MergedInto > 0)
            Empty(QStringLiteral("vMerge"));
        else if (cell.MergedRows > 1)
            Empty(QStringLiteral("vMerge"), QStringLiteral("restart"));
        if (look.Shade == CDocTable::Shading::Gray25)
        {
            m_Xml.writeEmptyElement(W, QStringLiteral("shd"));
            Attr(QStringLiteral("val"), QStringLiteral("clear"));
            Attr(QStringLiteral("color"), QStringLiteral("auto"));
            Attr(QStringLiteral("fill"), QStringLiteral("C0C0C0"));
        }
        if (look.Vertical == CDocTable::VerticalAlignment::Center)
            Empty(QStringLiteral("vAlign"), QStringLiteral("center"));
        else if (look.Vertical == CDocTable::VerticalAlignment::Bottom)
            Empty(QStringLiteral("vAlign"), QStringLiteral("bottom"));
        m_Xml.writeEndElement(); // tcPr
        for (const CDocParagraph& paragraph : cell.Paragraphs)
            Paragraph(paragraph);
        if (cell.Paragraphs.isEmpty())
            Paragraph(CDocParagraph());
        m_Xml.writeEndElement(); // tc
    }

private:
    QXmlStreamWriter& m_Xml;
    const CReportDocument& m_Document;
};

void StartPart(QXmlStreamWriter& xml)
{
    xml.setAutoFormatting(false);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
}

void DeclareNamespaces(QXmlStreamWriter& xml)
{
    xml.writeNamespace(W, QStringLiteral("w"));
    xml.writeNamespace(R, QStringLiteral("r"));
    xml.writeNamespace(WP, QStringLiteral("wp"));
    xml.writeNamespace(A, QStringLiteral("a"));
    xml.writeNamespace(PIC, QStringLiteral("pic"));
}

QByteArray ContentTypes()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Default Extension=\"png\" ContentType=\"image/png\"/>"
        "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
        "<Override PartName=\"/word/settings.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
        "<Override PartName=\"/word/footer1.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>"
        "<Override PartName=\"/docProps/core.xml\" "
        "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
        "</Types>");
}

QByteArray PackageRelationships()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/officeDocument\" Target=\"word/document.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
        "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
        "</Relationships>");
}

QByteArray CoreProperties(const CReportDocument& document)
{
    const QString date = document.FieldDate().toString(Qt::ISODate) + QStringLiteral("T00:00:00Z");
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/"
               "metadata/core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
               "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
               "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
               "<dcterms:created xsi:type=\"dcterms:W3CDTF\">%1</dcterms:created>"
               "</cp:coreProperties>")
        .arg(date)
        .toUtf8();
}

QByteArray DocumentRelationships(const CReportDocument& document)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    StartPart(writer);
    writer.writeDefaultNamespace(PackageRels);
    writer.writeStartElement(PackageRels, QStringLiteral("Relationships"));
    auto relation = [&](const QString& id, const QString& type, const QString& target)
    {
        writer.writeEmptyElement(PackageRels, QStringLiteral("Relationship"));
        writer.writeAttribute(QStringLiteral("Id"), id);
        writer.writeAttribute(QStringLiteral("Type"), R + QLatin1Char('/') + type);
        writer.writeAttribute(QStringLiteral("Target"), target);
    };
    relation(QStringLiteral("rId1"), QStringLiteral("styles"), QStringLiteral("styles.xml"));
    relation(QStringLiteral("rId2"), QStringLiteral("settings"), QStringLiteral("settings.xml"));
    relation(QStringLiteral("rId3"), QStringLiteral("footer"), QStringLiteral("footer1.xml"));
    for (int i = 0; i < document.Pictures().size(); ++i)
        relation(QStringLiteral("rId%1").arg(FirstPictureRel + i), QStringLiteral("image"),
                 QStringLiteral("media/image%1.png").arg(i + 1));
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QByteArray Styles()
{
    // The classic defaults: Times New Roman 12, single spacing, no space between paragraphs,
    // so the report's empty paragraphs are one line each. The footer's tab stops put the page
    // number at the right margin.
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:docDefaults><w:rPrDefault><w:rPr>"
        "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
        "w:cs=\"Times New Roman\" w:eastAsia=\"Times New Roman\"/>"
        "<w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/><w:lang w:val=\"en-US\"/>"
        "</w:rPr></w:rPrDefault>"
        "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>"
        "</w:pPr></w:pPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
        "<w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
        "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
        "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/>"
        "<w:semiHidden/></w:style>"
        "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\">"
        "<w:name w:val=\"Normal Table\"/><w:semiHidden/><w:tblPr><w:tblInd w:w=\"0\" "
        "w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"108\" "
        "w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" "
        "w:type=\"dxa\"/></w:tblCellMar></w:tblPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Footer\"><w:name w:val=\"footer\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:pPr><w:tabs><w:tab w:val=\"center\" w:pos=\"4680\"/>"
        "<w:tab w:val=\"right\" w:pos=\"9360\"/></w:tabs></w:pPr></w:style>"
        "</w:styles>");
}

QByteArray Settings(const CReportDocument& document)
{
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">";
    if (document.PrintLayout())
        xml += "<w:view w:val=\"print\"/>";
    xml += "<w:zoom w:percent=\"100\"/><w:defaultTabStop w:val=\"720\"/>"
           "<w:characterSpacingControl w:val=\"doNotCompress\"/>"
           "<w:compat><w:compatSetting w:name=\"compatibilityMode\" "
           "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
           "</w:settings>";
    return xml;
}

QString ZipError(zip_error_t* error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}
} // namespace

QString CDocxWriter::XmlSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        {
            safe += c;
            safe += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        const bool allowed = u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u < 0xD800) ||
                             (u >= 0xE000 && u <= 0xFFFD);
        if (allowed)
            safe += c;
    }
    return safe;
}

QByteArray CDocxWriter::DocumentXml(const CReportDocument& document)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    StartPart(writer);
    DeclareNamespaces(writer);
    writer.writeStartElement(W, QStringLiteral("document"));
    writer.writeStartElement(W, QStringLiteral("body"));
    CBodyWriter body(writer, document);
    for (const CReportDocument::Block& block : document.Blocks())
    {
        if (block.Paragraph)
            body.Paragraph(*block.Paragraph);
        else if (block.Table)
            body.Table(*block.Table);
    }
    writer.writeStartElement(W, QStringLiteral("sectPr"));
    writer.writeEmptyElement(W, QStringLiteral("footerReference"));
    writer.writeAttribute(W, QStringLiteral("type"), QStringLiteral("default"));
    writer.writeAttribute(R, QStringLiteral("id"), QStringLiteral("rId3"));
    writer.writeEmptyElement(W, QStringLiteral("pgSz"));
    writer.writeAttribute(W, QStringLiteral("w"), Twips(CReportDocument::PageWidth));
    writer.writeAttribute(W, QStringLiteral("h"), Twips(CReportDocument::PageHeight));
    writer.writeEmptyElement(W, QStringLiteral("pgMar"));
    for (const char* side : {"top", "right", "bottom", "left"})
        writer.writeAttribute(W, QLatin1String(side), Twips(CReportDocument::Margin));
    writer.writeAttribute(W, QStringLiteral("header"), QStringLiteral("720"));
    writer.writeAttribute(W, QStringLiteral("footer"), QStringLiteral("720"));
    writer.writeAttribute(W, QStringLiteral("gutter"), QStringLiteral("0"));
    writer.writeEndElement(); // sectPr
    writer.writeEndElement(); // body
    writer.writeEndElement(); // document
    writer.writeEndDocument();
    return xml;
}

QByteArray CDocxWriter::FooterXml(const CReportDocument& document)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    StartPart(writer);
    DeclareNamespaces(writer);
    writer.writeStartElement(W, QStringLiteral("ftr"));
    CBodyWriter body(writer, document);
    body.Paragraph(document.Footer(), QStringLiteral("Footer"));
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QList<QPair<QString, QByteArray>> CDocxWriter::Parts(const CReportDocument& document)
{
    QList<QPair<QString, QByteArray>> parts;
    parts.append({QStringLiteral("[Content_Types].xml"), ContentTypes()});
    parts.append({QStringLiteral("_rels/.rels"), PackageRelationships()});
    parts.append({QStringLiteral("docProps/core.xml"), CoreProperties(document)});
    parts.append({QStringLiteral("word/document.xml"), DocumentXml(document)});
    parts.append({QStringLiteral("word/_rels/document.xml.rels"), DocumentRelationships(document)});
    parts.append({QStringLiteral("word/styles.xml"), Styles()});
    parts.append({QStringLiteral("word/settings.xml"), Settings(document)});
    parts.append({QStringLiteral("word/footer1.xml"), FooterXml(document)});
    for (int i = 0; i < document.Pictures().size(); ++i)
        parts.append(
            {QStringLiteral("word/media/image%1.png").arg(i + 1), document.Pictures()[i].Png});
    return parts;
}

QByteArray CDocxWriter::Package(const CReportDocument& document, QString* error)
{
    const QList<QPair<QString, QByteArray>> parts = Parts(document);
    auto fail = [&](const QString& reason)
    {
        if (error)
            *error = QStringLiteral("Cannot build the document: %1").arg(reason);
        return QByteArray();
    };

    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &zipError);
    if (!memory)
    {
        const QString reason = ZipError(&zipError);
        zip_error_fini(&zipError);
        return fail(reason);
    }
    zip_source_keep(memory); // the archive's close must leave the bytes for us to read
    zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &zipError);
    if (!archive)
    {
        const QString reason = ZipError(&zipError);
        zip_error_fini(&zipError);
        zip_source_free(memory);
        return fail(reason);
    }
    zip_error_fini(&zipError);

    for (const auto& [name, data] : parts)
    {
        // The part bytes live in `parts` until zip_close has read them.
        zip_source_t* source =
            zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        const QByteArray utf8Name = name.toUtf8();
        const zip_int64_t index = source ? zip_file_add(archive, utf8Name.constData(), source,
                                                        ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8)
                                         : -1;
        // PNG is compressed already: storing it saves the time of deflating it again.
        if (index >= 0 && name.endsWith(QLatin1String(".png")))
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
        if (index < 0)
        {
            const QString reason = QString::fromUtf8(zip_strerror(archive));
            if (source)
                zip_source_free(source);
            zip_discard(archive);
            zip_source_free(memory);
            return fail(reason);
        }
    }
    if (zip_close(archive) < 0)
    {
        const QString reason = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(memory);
        return fail(reason);
    }

    QByteArray bytes;
    zip_stat_t stat;
    if (zip_source_stat(memory, &stat) < 0 || zip_source_open(memory) < 0)
    {
        zip_source_free(memory);
        return fail(QStringLiteral("the package cannot be read back"));
    }
    bytes.resize(qsizetype(stat.size));
    const zip_int64_t read = zip_source_read(memory, bytes.data(), stat.size);
    zip_source_close(memory);
    zip_source_free(memory);
    if (read != zip_int64_t(stat.size))
        return fail(QStringLiteral("the package cannot be read back"));
    return bytes;
}
