#include "shell/CommandActions.h"

#include "common/CommandIds.h"
#include "shell/ShellIcons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using namespace CommandId;

CCommandActions::CCommandActions(QMainWindow* window) : m_Window(window)
{
    Make(AddNewSystem, QStringLiteral("&Add New System..."), QStringLiteral("Add New system"),
         QStringLiteral(" Add New System"));
    Make(OpenSystem, QStringLiteral("V&iew System List..."), QStringLiteral("Open System"),
         QStringLiteral("Open system List"));
    Make(CloseSystem, QStringLiteral("&Close"));
    Make(Exit, QStringLiteral("&Exit"));
    Make(EventHistory, QStringLiteral("Event Histor&y..."));
    Make(AccidentHistory, QStringLiteral("Accide&nt History..."));
    Make(RecoverSystem, QStringLiteral("&System..."));
    Make(RecoverSubsystemOrFunction, QStringLiteral("SubSystem or& Function..."));
    Make(RecoverHazard, QStringLiteral("Ha&zard..."));
    Make(RecoverEvent, QStringLiteral("&Event or Accident..."));
    Make(Report, QStringLiteral("Risk A&ssessment Report"),
         QStringLiteral("Risk Assessment Report"), QStringLiteral(" Risk Assessment Report"));
    Make(HelpFile, QStringLiteral("&Toravin Model Vozezur Help  F1"));
    Make(HelpContents, QStringLiteral("Contents ..........."));
    Make(HelpIndex, QStringLiteral("Index .........."));
    Make(About, QStringLiteral("A&bout Toravin Model Vozezur..."));
    // Toolbar and keyboard only.
    Make(AddHazard, QStringLiteral("Add Hazard"), QStringLiteral("Add Hazard Details"),
         QStringLiteral(" Add Hazard"));
    Make(AddSubsystem, QStringLiteral("Add Subsystem"), QStringLiteral("Add Subsystem"),
         QStringLiteral(" Add Subsystem"));
    Make(AddFunction, QStringLiteral("Add Function"), QStringLiteral("Add Function"),
         QStringLiteral(" Add Function"));
    Make(Edit, QStringLiteral("Edit"), QStringLiteral("Edit "), QStringLiteral(" Edit"));
    Make(Delete, QStringLiteral("Delete"), QStringLiteral("Delete"), QStringLiteral(" Delete"));
    Make(Run, QStringLiteral("Run"), QStringLiteral("Run system"), QStringLiteral("Run"));
    Make(Help, QStringLiteral("Help"), QStringLiteral("Help"), QStringLiteral("Help"));
    Make(Copy, QStringLiteral("Copy"));
    Make(Paste, QStringLiteral("Paste"));

    m_Actions[Run]->setShortcut(QKeySequence(Qt::Key_F5));
    m_Actions[Delete]->setShortcut(QKeySequence(Qt::Key_Delete));
    m_Actions[Copy]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_Actions[Paste]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    for (int id : {Run, Delete, Copy, Paste})
        m_Window->addAction(m_Actions[id]); // keys work whether or not a menu shows them
}

QAction* CCommandActions::Make(int id, const QString& text, const QString& statusText,
                               const QString& toolTip)
{
    auto* action = new QAction(text, m_Window);
    action->setData(id);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setStatusTip(statusText);
    if (!toolTip.isEmpty())
        action->setToolTip(toolTip);
    m_Actions.insert(id, action);
    return action;
}

int CCommandActions::IdOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

void CCommandActions::BuildMenus()
{
    QMenuBar* bar = m_Window->menuBar();
    auto add = [&](const QString& title, std::initializer_list<int> ids)
    {
        QMenu* menu = bar->addMenu(title);
        for (int id : ids)
        {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_Actions[id]);
        }
        m_Menus << menu;
    };
    add(QStringLiteral("&File"), {AddNewSystem, OpenSystem, 0, CloseSystem, Exit});
    add(QStringLiteral("&View History"), {EventHistory, AccidentHistory});
    add(QStringLiteral("&Recover"),
        {RecoverSystem, RecoverSubsystemOrFunction, RecoverHazard, RecoverEvent});
    add(QStringLiteral("R&eport"), {Report});
    add(QStringLiteral("&Help"), {HelpFile, HelpContents, HelpIndex, About});
}

QToolBar* CCommandActions::BuildToolBar()
{
    auto* toolBar = new QToolBar(QStringLiteral("Toolbar"), m_Window);
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setMovable(true);
    toolBar->setIconSize(QSize(32, 32));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const int ids[] = {AddNewSystem, OpenSystem, 0, AddHazard, AddSubsystem, AddFunction, 0,
                       Edit,         Delete,     0, Run,       Report,       Help};
    for (int id : ids)
    {
        if (id == 0)
        {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = m_Actions[id];
        action->setIcon(CShellIcons::ToolbarIcon(id));
        toolBar->addAction(action);
        if (QWidget* button = toolBar->widgetForAction(action))
        {
            button->setMinimumSize(60, 50);
            button->setObjectName(QStringLiteral("toolButton%1").arg(id));
        }
    }
    m_Window->addToolBar(Qt::TopToolBarArea, toolBar);
    return toolBar;
}
