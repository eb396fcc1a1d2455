#pragma once

#include "common/Prompter.h"

#include <cstdio>

// Prints messages as "message: TEXT" and status texts as "status: TEXT", one per line, line
// breaks written as \n. Questions are answered with a fixed answer (No unless told otherwise),
// so that scripts never hang on a prompt.
class CStreamPrompter : public CPrompter
{
public:
    explicit CStreamPrompter(std::FILE* stream = stderr, bool answer = false);

    void ShowMessage(const QString& text, Icon icon, const QString& caption) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    void ShowStatus(const QString& text) override;

    // Escapes line breaks (and backslashes) so that one text stays on one line.
    static QString OneLine(const QString& text);

private:
    void Write(const char* prefix, const QString& text);

    std::FILE* m_Stream;
    bool m_Answer;
};
