#include "report/DocParagraph.h"

void CDocParagraph::AppendText(const QString& text, const CDocCharFormat& format)
{
    if (text.isEmpty())
        return;
    if (!Runs.isEmpty() && Runs.last().RunKind == Run::Kind::Text && Runs.last().Format == format)
    {
        Runs.last().Text += text;
        return;
    }
    Run run;
    run.Format = format;
    run.Text = text;
    Runs.append(run);
}

void CDocParagraph::AppendRun(Run::Kind kind, const CDocCharFormat& format, int picture)
{
    Run run;
    run.RunKind = kind;
    run.Format = format;
    run.Picture = picture;
    Runs.append(run);
}

CDocCharFormat CDocParagraph::EndFormat() const
{
    for (qsizetype i = Runs.size() - 1; i >= 0; --i)
    {
        if (Runs[i].RunKind == Run::Kind::Text)
            return Runs[i].Format;
    }
    return MarkFormat;
}

void CDocParagraph::SetFont(const QString& name, double size)
{
    for (Run& run : Runs)
    {
        run.Format.FontName = name;
        run.Format.Size = size;
    }
    MarkFormat.FontName = name;
    MarkFormat.Size = size;
}

void CDocParagraph::SetBold(bool bold)
{
    for (Run& run : Runs)
        run.Format.Bold = bold;
    MarkFormat.Bold = bold;
}

int CDocParagraph::TextLength() const
{
    int length = 0;
    for (const Run& run : Runs)
        length += run.RunKind == Run::Kind::Text ? int(run.Text.size()) : 1;
    return length;
}

QString CDocParagraph::PlainText() const
{
    QString text;
    for (const Run& run : Runs)
    {
        if (run.RunKind == Run::Kind::Text)
            text += run.Text;
    }
    return text;
}
