#pragma once

#include <QString>

// Vantrel's own seam for message boxes: the dialog shows them through whatever prompter is
// installed, so that tests can record them. Without one installed, texts go to stderr.
class CViewerPrompter
{
public:
    enum class Icon
    {
        Information,
        Warning,
        Error
    };

    static inline const QString Caption = QStringLiteral("Vantrel");

    virtual ~CViewerPrompter() = default;
    virtual void ShowMessage(const QString& text, Icon icon, const QString& caption) = 0;

    static CViewerPrompter& Current();
    // Null restores the default prompter.
    static void SetCurrent(CViewerPrompter* prompter);

    static void Message(const QString& text, Icon icon = Icon::Information,
                        const QString& caption = Caption)
    {
        Current().ShowMessage(text, icon, caption);
    }
};
