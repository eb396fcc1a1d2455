#pragma once

#include "report/DocCharFormat.h"
#include "report/DocParagraph.h"
#include "report/DocTable.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

// A word-processor document built the way the report writes it: a selection that types text
// with the current font and alignment at the end of the document, tables added at a position,
// inline pictures, breaks and a footer. Saved as a .docx file.
class CReportDocument
{
public:
    // Where a table can be placed: a paragraph of the body and the text length before it.
    struct Position
    {
        int Block = 0;
        int Offset = 0;
    };

    struct Picture
    {
        QByteArray Png;
        QSize Pixels;
    };

    // A body element: a paragraph or a table.
    struct Block
    {
        std::unique_ptr<CDocParagraph> Paragraph;
        std::unique_ptr<CDocTable> Table;
    };

    enum class FooterField
    {
        Date,
        Page
    };

    CReportDocument();
    ~CReportDocument();
    CReportDocument(const CReportDocument&) = delete;
    CReportDocument& operator=(const CReportDocument&) = delete;

    // The selection: the insertion point with its formatting.
    void
    SetAlignment(CDocParagraph::Alignment alignment); // of the paragraph at the insertion point
    void SetFont(const QString& name, double size);
    void SetBold(bool bold);
    const CDocCharFormat& Font() const { return m_Format; }
    // Types text; "\r" ends the paragraph as a paragraph mark does.
    void TypeText(const QString& text);
    void TypeParagraphs(int count = 1);
    // The last line of the document.
    void GoToEnd();
    // Break code 1 (and Word's 7) is a page break, 6 a line break; other codes give a page break.
    void InsertBreak(int type);
    // Loads a picture file of any format Qt reads and places it inline at the insertion point,
    // embedded as PNG and scaled down to fit the text area. False, with the reason, when the
    // file cannot be read.
    bool InsertPicture(const QString& fileName, QString* error = nullptr);
    bool InsertPicture(const QImage& image, QString* error = nullptr);
    Position InsertionPoint() const;
    // Adds a table of rows x columns at the position; its cells start with the formatting of
    // the insertion point. A position at the start of a paragraph puts the table before it;
    // anywhere else after it. The table belongs to the document.
    CDocTable* AddTable(const Position& position, int rows, int columns);

    // The primary footer, linked to the previous section.
    void AppendFooterField(FooterField field);
    void AppendFooterText(const QString& text);
    void SetPrintLayout(bool printLayout) { m_PrintLayout = printLayout; }
    bool PrintLayout() const { return m_PrintLayout; }

    // The date shown by the date field until the word processor updates it.
    void SetFieldDate(const QDate& date) { m_FieldDate = date; }
    QDate FieldDate() const { return m_FieldDate; }

    // Page: US Letter with one-inch margins, as the default template.
    static constexpr double PageWidth = 612.0;
    static constexpr double PageHeight = 792.0;
    static constexpr double Margin = 72.0;
    static constexpr double TextWidth = PageWidth - 2 * Margin;
    static constexpr double TextHeight = PageHeight - 2 * Margin;

    const std::vector<Block>& Blocks() const { return m_Blocks; }
    const QList<Picture>& Pictures() const { return m_Pictures; }
    const CDocParagraph& Footer() const { return m_Footer; }

    // The package as bytes, and written to a file (replaced only when complete).
    QByteArray ToDocx(QString* error = nullptr) const;
    bool Save(const QString& fileName, QString* error = nullptr) const;

private:
    CDocParagraph& Current();
    void NewParagraphAfterCurrent();

    std::vector<Block> m_Blocks;
    int m_Current = 0; // block index of the paragraph holding the insertion point
    CDocCharFormat m_Format;
    QList<Picture> m_Pictures;
    CDocParagraph m_Footer;
    bool m_PrintLayout = false;
    QDate m_FieldDate;
};
