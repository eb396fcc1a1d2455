#pragma once

#include "common/Prompter.h"

#include <QPointer>
#include <QWidget>

// Shows messages and questions in message boxes over the main window and sends status texts
// to it as a status text event.
class CGuiPrompter : public CPrompter
{
public:
    explicit CGuiPrompter(QWidget* mainWindow = nullptr) : m_MainWindow(mainWindow) {}
    void SetMainWindow(QWidget* mainWindow) { m_MainWindow = mainWindow; }
    // Unattended runs (screenshots) must never stop at a message box: messages then go to
    // stderr and questions are answered No.
    void SetUnattended(bool unattended) { m_Unattended = unattended; }

    void ShowMessage(const QString& text, Icon icon, const QString& caption) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    void ShowStatus(const QString& text) override;

private:
    QPointer<QWidget> m_MainWindow;
    bool m_Unattended = false;
};
