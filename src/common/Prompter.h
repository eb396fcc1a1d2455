#pragma once

#include <QString>

// Every message box, Yes/No question and status-bar text of the program goes through one
// prompter. The GUI shows them in message boxes and the status bar, the command-line program
// prints them, and tests record them.
class CPrompter
{
public:
    enum class Icon
    {
        Information,
        Warning,
        Question,
        Error
    };

    static inline const QString DefaultCaption = QStringLiteral("Toravin Model Vozezur");

    virtual ~CPrompter() = default;

    virtual void ShowMessage(const QString& text, Icon icon, const QString& caption) = 0;
    // A question with Yes and No; true means Yes.
    virtual bool AskQuestion(const QString& text, const QString& caption) = 0;
    virtual void ShowStatus(const QString& text) = 0;

    // The prompter the program currently talks through (never null).
    static CPrompter& Current();
    // Installs a prompter; null restores the default one, which prints to stderr.
    static void SetCurrent(CPrompter* prompter);

    // Shorthands on the current prompter.
    static void Message(const QString& text, Icon icon = Icon::Information,
                        const QString& caption = DefaultCaption)
    {
        Current().ShowMessage(text, icon, caption);
    }
    static bool Ask(const QString& text, const QString& caption = DefaultCaption)
    {
        return Current().AskQuestion(text, caption);
    }
    static void Status(const QString& text) { Current().ShowStatus(text); }
};

// Installs a prompter for the lifetime of a scope and restores the previous one after it.
class CScopedPrompter
{
public:
    explicit CScopedPrompter(CPrompter* prompter);
    ~CScopedPrompter();
    CScopedPrompter(const CScopedPrompter&) = delete;
    CScopedPrompter& operator=(const CScopedPrompter&) = delete;

private:
    CPrompter* m_Previous;
};
