#include "shell/GuiPrompter.h"

#include "common/StreamPrompter.h"
#include "shell/StatusTextEvent.h"

#include <QApplication>
#include <QMessageBox>
#include <QScopeGuard>

namespace
{
// A message shown during long work (the wait cursor is up) still gets the ordinary pointer.
auto ArrowWhileBusy()
{
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    return qScopeGuard(
        [busy]
        {
            if (busy)
                QApplication::restoreOverrideCursor();
        });
}

QMessageBox::Icon BoxIcon(CPrompter::Icon icon)
{
    switch (icon)
    {
    case CPrompter::Icon::Warning:
        return QMessageBox::Warning;
    case CPrompter::Icon::Question:
        return QMessageBox::Question;
    case CPrompter::Icon::Error:
        return QMessageBox::Critical;
    case CPrompter::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}
} // namespace

void CGuiPrompter::ShowMessage(const QString& text, Icon icon, const QString& caption)
{
    if (m_Unattended)
    {
        CStreamPrompter(stderr).ShowMessage(text, icon, caption);
        return;
    }
    const auto arrow = ArrowWhileBusy();
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, m_MainWindow);
    box.exec();
}

bool CGuiPrompter::AskQuestion(const QString& text, const QString& caption)
{
    if (m_Unattended)
        return CStreamPrompter(stderr).AskQuestion(text, caption);
    const auto arrow = ArrowWhileBusy();
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    m_MainWindow);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void CGuiPrompter::ShowStatus(const QString& text)
{
    // Sent, not posted: the text is on screen before the caller goes on with slow work.
    if (m_MainWindow)
    {
        CStatusTextEvent event(text);
        QApplication::sendEvent(m_MainWindow, &event);
    }
}
