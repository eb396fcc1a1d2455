#include "RecordingPrompter.h"

#include <QStringList>

CRecordingPrompter::CRecordingPrompter() : m_Scope(this) {}

CRecordingPrompter::~CRecordingPrompter() = default;

void CRecordingPrompter::ShowMessage(const QString& text, Icon icon, const QString& caption)
{
    entries.append({Kind::Message, text, icon, caption});
}

bool CRecordingPrompter::AskQuestion(const QString& text, const QString& caption)
{
    entries.append({Kind::Question, text, Icon::Question, caption});
    return answers.isEmpty() ? false : answers.takeFirst();
}

void CRecordingPrompter::ShowStatus(const QString& text)
{
    entries.append({Kind::Status, text, Icon::Information, QString()});
}

void CRecordingPrompter::QueueAnswers(std::initializer_list<bool> list)
{
    for (bool a : list)
        answers.append(a);
}

QStringList CRecordingPrompter::TextsOf(Kind kind) const
{
    QStringList out;
    for (const Entry& e : entries)
        if (e.kind == kind)
            out << e.text;
    return out;
}

QStringList CRecordingPrompter::Messages() const
{
    return TextsOf(Kind::Message);
}

QStringList CRecordingPrompter::Questions() const
{
    return TextsOf(Kind::Question);
}

QStringList CRecordingPrompter::StatusTexts() const
{
    return TextsOf(Kind::Status);
}
