#include "shell/MainStatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

namespace
{
constexpr int ClockInterval = 1000;
const QString ToolsetTitle = QStringLiteral("Train Control Risk Assessment Toolset");
} // namespace

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(true);
    const int widths[5] = {65, 600, 65, 50, 200};
    for (int i = 0; i < 5; ++i)
    {
        m_Panes[i] = new QLabel(this);
        m_Panes[i]->setObjectName(QStringLiteral("statusPane%1").arg(i));
        m_Panes[i]->setFrameShape(QFrame::Panel);
        m_Panes[i]->setFrameShadow(QFrame::Sunken);
        m_Panes[i]->setMinimumWidth(i == 1 ? 200 : widths[i]);
        m_Panes[i]->setContentsMargins(3, 0, 3, 0);
        if (i == 1)
            addWidget(m_Panes[i], 1);
        else if (i == 0)
            addWidget(m_Panes[i]);
        else
            addPermanentWidget(m_Panes[i]);
    }
    m_Panes[1]->setMinimumWidth(200);
    m_Panes[0]->setText(QStringLiteral("F1-Help"));
    m_Panes[1]->setText(IdleText);
    m_Panes[4]->setText(ToolsetTitle);
    // The panes' nominal widths, widened where the font would otherwise clip the text.
    const QFontMetrics fm(font());
    m_Panes[2]->setMinimumWidth(qMax(65, fm.horizontalAdvance(QStringLiteral("00/00/0000 ")) + 10));
    m_Panes[3]->setMinimumWidth(qMax(50, fm.horizontalAdvance(QStringLiteral("00:00 :00 ")) + 10));
    m_Panes[4]->setMinimumWidth(qMax(200, fm.horizontalAdvance(ToolsetTitle) + 12));
    m_Clock = new QTimer(this);
    m_Clock->setObjectName(QStringLiteral("clockTimer"));
    m_Clock->setInterval(ClockInterval);
    connect(m_Clock, &QTimer::timeout, this, &CMainStatusBar::UpdateClock);
    UpdateClock();
}

bool CMainStatusBar::StartClock()
{
    m_Clock->start();
    return m_Clock->isActive();
}

void CMainStatusBar::SetStatusText(const QString& text)
{
    m_Panes[1]->setText(text);
}

QString CMainStatusBar::StatusText() const
{
    return m_Panes[1]->text();
}

QLabel* CMainStatusBar::Pane(int index) const
{
    return index >= 0 && index < 5 ? m_Panes[index] : nullptr;
}

QString CMainStatusBar::DateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("MM/dd/yyyy "));
}

QString CMainStatusBar::TimeText(const QDateTime& when)
{
    return when.toString(QStringLiteral("HH:mm :ss "));
}

void CMainStatusBar::UpdateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_Panes[2]->setText(DateText(now));
    m_Panes[3]->setText(TimeText(now));
}
