#pragma once

#include "common/Prompter.h"

#include <QList>
#include <QString>

// A prompter for tests: records every message, question and status text in order, answers
// questions from a script (No once the script is used up), and installs itself while it lives.
class CRecordingPrompter : public CPrompter
{
public:
    enum class Kind
    {
        Message,
        Question,
        Status
    };
    struct Entry
    {
        Kind kind;
        QString text;
        Icon icon;
        QString caption;
    };

    CRecordingPrompter();
    ~CRecordingPrompter() override;

    void ShowMessage(const QString& text, Icon icon, const QString& caption) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    void ShowStatus(const QString& text) override;

    void QueueAnswers(std::initializer_list<bool> answers);

    QList<Entry> entries;
    QList<bool> answers;

    QStringList Messages() const;
    QStringList Questions() const;
    QStringList StatusTexts() const;
    void Clear() { entries.clear(); }

private:
    QStringList TextsOf(Kind kind) const;
    CScopedPrompter m_Scope;
};
