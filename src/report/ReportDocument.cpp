#include "report/ReportDocument.h"

#include "report/DocxWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

CReportDocument::CReportDocument() : m_FieldDate(QDate::currentDate())
{
    Block first;
    first.Paragraph = std::make_unique<CDocParagraph>();
    m_Blocks.push_back(std::move(first));
    m_Footer.MarkFormat = m_Format;
}

CReportDocument::~CReportDocument() = default;

CDocParagraph& CReportDocument::Current()
{
    return *m_Blocks[size_t(m_Current)].Paragraph;
}

void CReportDocument::SetAlignment(CDocParagraph::Alignment alignment)
{
    Current().ParagraphAlignment = alignment;
}

void CReportDocument::SetFont(const QString& name, double size)
{
    m_Format.FontName = name;
    m_Format.Size = size;
}

void CReportDocument::SetBold(bool bold)
{
    m_Format.Bold = bold;
}

void CReportDocument::NewParagraphAfterCurrent()
{
    CDocParagraph& current = Current();
    current.MarkFormat = m_Format;
    Block block;
    block.Paragraph = std::make_unique<CDocParagraph>();
    block.Paragraph->ParagraphAlignment = current.ParagraphAlignment;
    block.Paragraph->MarkFormat = m_Format;
    m_Blocks.insert(m_Blocks.begin() + m_Current + 1, std::move(block));
    ++m_Current;
}

void CReportDocument::TypeText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < parts.size(); ++i)
    {
        if (i > 0)
            NewParagraphAfterCurrent();
        Current().AppendText(parts[i], m_Format);
    }
    Current().MarkFormat = m_Format;
}

void CReportDocument::TypeParagraphs(int count)
{
    for (int i = 0; i < count; ++i)
        NewParagraphAfterCurrent();
}

void CReportDocument::GoToEnd()
{
    for (int i = int(m_Blocks.size()) - 1; i >= 0; --i)
    {
        if (m_Blocks[size_t(i)].Paragraph)
        {
            m_Current = i;
            return;
        }
    }
}

void CReportDocument::InsertBreak(int type)
{
    using Kind = CDocParagraph::Run::Kind;
    if (type == 6)
    {
        Current().AppendRun(Kind::LineBreak, m_Format);
        return;
    }
    // A page break opens the paragraph that continues on the next page: word processors then
    // agree that everything before it stays on this page and nothing leaves a blank line.
    if (!Current().Runs.isEmpty())
        NewParagraphAfterCurrent();
    Current().AppendRun(Kind::PageBreak, m_Format);
}

namespace
{
// Diagrams hold a handful of flat colours: as an indexed image their PNG is several times
// smaller and quicker to write. Null when the picture has more than 256 colours.
QImage Indexed(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QRgb last = 0;
    int lastIndex = -1;
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y)
    {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x)
        {
            const QRgb pixel = in[x] | 0xff000000u;
            if (lastIndex < 0 || pixel != last)
            {
                lastIndex = int(palette.indexOf(pixel));
                if (lastIndex < 0)
                {
                    if (palette.size() == 256)
                        return QImage();
                    palette.append(pixel);
                    lastIndex = int(palette.size() - 1);
                }
                last = pixel;
            }
            out[x] = uchar(lastIndex);
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}
} // namespace

bool CReportDocument::InsertPicture(const QString& fileName, QString* error)
{
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull())
    {
        if (error)
            *error = QStringLiteral("Cannot read the picture %1: %2")
                         .arg(QFileInfo(fileName).absoluteFilePath(), reader.errorString());
        return false;
    }
    return InsertPicture(image, error);
}

bool CReportDocument::InsertPicture(const QImage& image, QString* error)
{
    if (image.isNull())
    {
        if (error)
            *error = QStringLiteral("The picture is empty.");
        return false;
    }
    Picture picture;
    picture.Pixels = image.size();
    QBuffer buffer(&picture.Png);
    buffer.open(QIODevice::WriteOnly);
    const QImage indexed = image.depth() > 8 ? Indexed(image) : QImage();
    // A light compression level: flat diagrams compress almost as well, several times faster.
    QImageWriter writer(&buffer, "png");
    writer.setQuality(80);
    if (!writer.write(indexed.isNull() ? image : indexed))
    {
        if (error)
            *error = QStringLiteral("Cannot convert the picture to PNG.");
        return false;
    }
    m_Pictures.append(picture);
    Current().AppendRun(CDocParagraph::Run::Kind::Picture, m_Format, int(m_Pictures.size() - 1));
    return true;
}

CReportDocument::Position CReportDocument::InsertionPoint() const
{
    return {m_Current, m_Blocks[size_t(m_Current)].Paragraph->TextLength()};
}

CDocTable* CReportDocument::AddTable(const Position& position, int rows, int columns)
{
    int at = qBound(0, position.Block, int(m_Blocks.size()) - 1);
    if (!m_Blocks[size_t(at)].Paragraph)
        at = m_Current;
    const CDocParagraph& paragraph = *m_Blocks[size_t(at)].Paragraph;
    const bool before = position.Offset == 0 || paragraph.Runs.isEmpty();
    const int columnsUsed = qMax(1, columns);
    Block block;
    block.Table = std::make_unique<CDocTable>(
        rows, columnsUsed, m_Format, paragraph.ParagraphAlignment, TextWidth / columnsUsed);
    CDocTable* table = block.Table.get();
    if (before)
    {
        m_Blocks.insert(m_Blocks.begin() + at, std::move(block));
        if (m_Current >= at)
            ++m_Current;
        return table;
    }
    // After the paragraph; a paragraph always follows a table.
    m_Blocks.insert(m_Blocks.begin() + at + 1, std::move(block));
    if (m_Current > at)
        ++m_Current;
    const bool followedByParagraph =
        at + 2 < int(m_Blocks.size()) && m_Blocks[size_t(at + 2)].Paragraph;
    if (!followedByParagraph)
    {
        Block next;
        next.Paragraph = std::make_unique<CDocParagraph>();
        next.Paragraph->ParagraphAlignment = paragraph.ParagraphAlignment;
        next.Paragraph->MarkFormat = m_Format;
        m_Blocks.insert(m_Blocks.begin() + at + 2, std::move(next));
        if (m_Current == at)
            m_Current = at + 2;
        else if (m_Current > at + 1)
            ++m_Current;
    }
    return table;
}

void CReportDocument::AppendFooterField(FooterField field)
{
    using Kind = CDocParagraph::Run::Kind;
    m_Footer.AppendRun(field == FooterField::Date ? Kind::DateField : Kind::PageField,
                       m_Footer.EndFormat());
}

void CReportDocument::AppendFooterText(const QString& text)
{
    m_Footer.AppendText(text, m_Footer.EndFormat());
}

QByteArray CReportDocument::ToDocx(QString* error) const
{
    return CDocxWriter::Package(*this, error);
}

bool CReportDocument::Save(const QString& fileName, QString* error) const
{
    const QByteArray bytes = ToDocx(error);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
