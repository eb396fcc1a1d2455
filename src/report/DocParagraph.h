#pragma once

#include "report/DocCharFormat.h"

#include <QList>
#include <QString>

// One paragraph of the document or of a table cell: runs of text, breaks, fields and pictures.
// Text keeps its tabs and line feeds; the writer turns them into tab and line-break marks.
class CDocParagraph
{
public:
    enum class Alignment
    {
        Left = 0,
        Center = 1,
        Right = 2
    };

    struct Run
    {
        enum class Kind
        {
            Text,
            PageBreak,
            LineBreak,
            Picture,
            DateField,
            PageField
        };
        Kind RunKind = Kind::Text;
        CDocCharFormat Format;
        QString Text;
        int Picture = -1; // index into the document's pictures
    };

    Alignment ParagraphAlignment = Alignment::Left;
    QList<Run> Runs;
    // The formatting of the paragraph mark: text appended to an empty paragraph takes it.
    CDocCharFormat MarkFormat;

    void AppendText(const QString& text, const CDocCharFormat& format);
    void AppendRun(Run::Kind kind, const CDocCharFormat& format, int picture = -1);
    // Text appended at the end takes the formatting of the last character (Word's rule).
    CDocCharFormat EndFormat() const;
    void SetFont(const QString& name, double size);
    void SetBold(bool bold);
    int TextLength() const;
    QString PlainText() const;
};
