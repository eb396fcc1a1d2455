#include "common/StreamPrompter.h"

CStreamPrompter::CStreamPrompter(std::FILE* stream, bool answer) : m_Stream(stream), m_Answer(answer)
{
}

void CStreamPrompter::ShowMessage(const QString& text, Icon, const QString&)
{
    Write("message: ", text);
}

bool CStreamPrompter::AskQuestion(const QString& text, const QString&)
{
    Write("question: ", text + (m_Answer ? QStringLiteral(" -> Yes") : QStringLiteral(" -> No")));
    return m_Answer;
}

void CStreamPrompter::ShowStatus(const QString& text)
{
    Write("status: ", text);
}

QString CStreamPrompter::OneLine(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
    {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

void CStreamPrompter::Write(const char* prefix, const QString& text)
{
    const QByteArray line = prefix + OneLine(text).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), m_Stream);
    std::fflush(m_Stream);
}
