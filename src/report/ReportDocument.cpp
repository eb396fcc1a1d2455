#include "report/ReportDocument.h"

#include "report/DocxWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
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

bool CReportDocument::InsertPicture(const QString& fileName, QString* error)
{
    QImageReader reader(fileName);
    QImage image = reader.read();
    if (image.isNull())
    {
        if (error)
            *error = QStringLiteral("Cannot read the picture %1: %2")
                         .arg(QFileInfo(fileName).absoluteFilePath(), reader.errorString());
        return false;
    }
    Picture picture;
    picture.Pixels = image.size();
    QBuffer buffer(&picture.Png);
    buffer.open(QIODevice::WriteOnly);
    // Diagrams are flat colours: an indexed PNG is much smaller, when it loses nothing.
    if (image.depth() > 8)
    {
        const QImage indexed =
            image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        if (indexed.convertToFormat(image.format()) == image)
            image = indexed;
    }
    if (!image.save(&buffer, "PNG"))
    {
        if (error)
            *error = QStringLiteral("Cannot convert the picture %1").arg(fileName);
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
