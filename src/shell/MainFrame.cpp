#include "shell/MainFrame.h"

#include "common/CommandIds.h"
#include "common/HelpLauncher.h"
#include "common/Prompter.h"
#include "common/ui/ContextHelp.h"
#include "common/ui/TabView.h"
#include "event_tree_views/ui/DrawEventTreeView.h"
#include "event_tree_views/ui/EventTreeView.h"
#include "forms/ui/HazardAccidentInfo.h"
#include "risk_analysis/ui/ResultListView.h"
#include "risk_analysis/ui/ResultTabView.h"
#include "shell/AboutDlg.h"
#include "shell/CommandActions.h"
#include "shell/CommandTarget.h"
#include "shell/LeftView.h"
#include "shell/MainStatusBar.h"
#include "shell/QuillonToolSetApp.h"
#include "shell/ShellIcons.h"
#include "shell/StatusTextEvent.h"
#include "shell/SystemListDlg.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusTipEvent>

using namespace CommandId;

CMainFrame::CMainFrame(CQuillonToolSetApp& app, QWidget* parent) : QMainWindow(parent), m_App(app)
{
    setObjectName(QStringLiteral("mainFrame"));
    m_App.m_pMainFrame = this;
    for (int id : FlagIds())
        m_Flags.insert(id, false);
    setWindowTitle(AppTitle);
    setWindowIcon(CShellIcons::ProgramIcon());
}

CMainFrame::~CMainFrame()
{
    // Focus moves while the window is torn down; the views are going too.
    disconnect(qApp, nullptr, this, nullptr);
    if (m_App.m_pMainFrame == this)
        m_App.m_pMainFrame = nullptr;
}

QList<int> CMainFrame::FlagIds()
{
    return {Run,
            CloseSystem,
            Report,
            RecoverSystem,
            RecoverHazard,
            RecoverEvent,
            RecoverSubsystemOrFunction};
}

bool CMainFrame::Create()
{
    m_StatusBar = new CMainStatusBar(this);
    setStatusBar(m_StatusBar);
    if (!m_StatusBar->StartClock())
    {
        CPrompter::Message(QStringLiteral("Error: Unable to create timer."));
        return false;
    }
    m_Actions = std::make_unique<CCommandActions>(this);
    m_Actions->BuildToolBar();
    m_Actions->BuildMenus();
    for (int id : m_Actions->Ids())
        connect(m_Actions->Action(id), &QAction::triggered, this,
                [this, id] { ExecuteCommand(id); });
    for (QMenu* menu : m_Actions->Menus())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setObjectName(QStringLiteral("contextHelp"));
    connect(help, &QAction::triggered, this, &CMainFrame::ContextHelp);
    addAction(help);

    BuildPanes();
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::OnFocusChanged);
    SetActiveView(m_App.m_pSystemTree);
    UpdateCommandStates();
    return true;
}

void CMainFrame::BuildPanes()
{
    m_Outer = new QSplitter(Qt::Vertical, this);
    m_Outer->setObjectName(QStringLiteral("outerSplitter"));
    m_Inner = new QSplitter(Qt::Horizontal, m_Outer);
    m_Inner->setObjectName(QStringLiteral("innerSplitter"));

    auto* tree = new CLeftView(m_App, m_Inner);
    auto* tabs = new CTabView(m_Inner);
    tabs->setObjectName(QStringLiteral("eventTreeTabs"));
    m_App.m_pEventTreeTabs = tabs;
    tabs->AddView(0, QStringLiteral("View Event Tree"),
                  [this](QWidget* p) { return new CEventTreeView(m_App, p); });
    tabs->AddView(1, QStringLiteral("Create Event Tree"),
                  [this](QWidget* p) { return new CDrawEventTreeView(&m_App, p); });
    tabs->AddView(2, QStringLiteral("Accident Info"),
                  [this](QWidget* p) { return new CHazardAccidentInfo(&m_App, p); });
    tabs->SetActiveView(1);

    auto* results = new CResultTabView([this] { return m_App.m_OpenSystemName; }, m_Outer);
    m_App.m_pResultTabs = results;
    m_App.m_pResultList = results->GetList(CResultTabView::ResultTab);

    m_Inner->addWidget(tree);
    m_Inner->addWidget(tabs);
    m_Inner->setSizes({300, 700});
    m_Inner->setStretchFactor(1, 1);
    m_Outer->addWidget(m_Inner);
    m_Outer->addWidget(results);
    m_Outer->setSizes({450, 350});
    m_Outer->setChildrenCollapsible(false);
    m_Inner->setChildrenCollapsible(false);
    setCentralWidget(m_Outer);
    resize(1200, 860);
}

void CMainFrame::SetFlag(int id, bool on)
{
    if (m_Flags.contains(id))
        m_Flags[id] = on;
    UpdateCommandStates();
}

void CMainFrame::ClearFlags()
{
    for (auto it = m_Flags.begin(); it != m_Flags.end(); ++it)
        it.value() = false;
    UpdateCommandStates();
}

CCommandTarget* CMainFrame::ActiveTarget() const
{
    return dynamic_cast<CCommandTarget*>(m_ActiveView.data());
}

bool CMainFrame::HasHandler(int id) const
{
    switch (id)
    {
    case OpenSystem:
    case CloseSystem:
    case Exit:
    case HelpFile:
    case HelpContents:
    case HelpIndex:
    case About:
    case Help:
        return true;
    default:
        break;
    }
    if (m_Handlers.contains(id))
        return true;
    // View commands count when the view that takes them is the active one.
    const auto* tree = dynamic_cast<const CCommandTarget*>(m_App.m_pSystemTree);
    const CCommandTarget* target = ActiveTarget();
    return target && target == tree && m_App.m_pSystemTree->HandlesCommand(id);
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    bool enabled = true;
    const CCommandTarget* target = ActiveTarget();
    if (!(target && target->CommandEnabled(id, enabled)) && m_Flags.contains(id))
        enabled = m_Flags.value(id);
    return enabled && HasHandler(id);
}

bool CMainFrame::ExecuteCommand(int id)
{
    UpdateCommandStates();
    if (!IsCommandEnabled(id))
        return false;
    CCommandTarget* target = ActiveTarget();
    const bool done = (target && target->OnCommand(id)) || HandleOwnCommand(id);
    UpdateCommandStates();
    return done;
}

void CMainFrame::SetCommandHandler(int id, std::function<void()> handler)
{
    m_Handlers.insert(id, std::move(handler));
    UpdateCommandStates();
}

bool CMainFrame::HandleOwnCommand(int id)
{
    switch (id)
    {
    case OpenSystem:
    {
        CSystemListDlg dlg(m_App, this);
        if (dlg.exec() == QDialog::Accepted && m_App.m_pSystemTree)
            m_App.m_pSystemTree->OpenSystem(dlg.SelectedId(), dlg.SelectedName());
        return true;
    }
    case CloseSystem:
        OnClose();
        return true;
    case Exit:
        close();
        return true;
    case HelpFile:
    case HelpIndex:
        CHelpLauncher::OpenTopic(CHelpLauncher::HelpFile);
        return true;
    case HelpContents:
        CHelpLauncher::OpenTopic(QStringLiteral("helpoutput.chm::/DISPALY PAGE.html"));
        return true;
    case Help:
        CHelpLauncher::OpenTopic(CHelpLauncher::HelpFile);
        CPrompter::Status(QStringLiteral("Opens the help file.........."));
        return true;
    case About:
    {
        CAboutDlg dlg(this);
        dlg.exec();
        return true;
    }
    default:
        break;
    }
    if (auto handler = m_Handlers.value(id))
    {
        handler();
        return true;
    }
    return false;
}

void CMainFrame::UpdateCommandStates()
{
    if (!m_Actions)
        return;
    for (int id : m_Actions->Ids())
        m_Actions->Action(id)->setEnabled(IsCommandEnabled(id));
}

QAction* CMainFrame::Action(int id) const
{
    return m_Actions ? m_Actions->Action(id) : nullptr;
}

void CMainFrame::SetActiveView(QWidget* view)
{
    if (m_ActiveView == view)
        return;
    m_ActiveView = view;
    UpdateCommandStates();
}

void CMainFrame::OnFocusChanged(QWidget*, QWidget* now)
{
    const QList<QWidget*> views = {m_App.m_pSystemTree, m_App.m_pDiagramView, m_App.m_pEditorView,
                                   m_App.m_pAccidentInfoView, m_App.m_pResultTabs};
    for (QWidget* w = now; w; w = w->parentWidget())
    {
        if (w == this)
            return;
        if (views.contains(w))
        {
            SetActiveView(w);
            return;
        }
    }
}

void CMainFrame::OnClose()
{
    CPrompter::Status(QStringLiteral("Closes all the Views"));
    if (m_App.m_pSystemTree && m_App.m_pSystemTree->topLevelItemCount() > 0)
    {
        m_App.m_pSystemTree->CloseSystem();
        ResetTitle();
    }
    ClearFlags();
}

void CMainFrame::FitSystemTreePane()
{
    QList<int> sizes = m_Inner ? m_Inner->sizes() : QList<int>();
    CLeftView* tree = m_App.m_pSystemTree;
    if (sizes.size() != 2 || !tree)
        return;
    const int total = sizes[0] + sizes[1];
    const int needed = tree->ContentWidth() + 2 * tree->frameWidth() +
                       tree->verticalScrollBar()->sizeHint().width() + 8;
    const int wanted = qMin(needed, total * 45 / 100);
    if (total <= 0 || wanted <= sizes[0])
        return;
    m_Inner->setSizes({wanted, total - wanted});
}

void CMainFrame::SetTitleFor(const QString& label)
{
    setWindowTitle(AppTitle + QStringLiteral(" - ") + label);
}

void CMainFrame::ResetTitle()
{
    setWindowTitle(AppTitle);
}

void CMainFrame::ContextHelp()
{
    QString topic;
    for (QWidget* w = QApplication::focusWidget(); w && topic.isEmpty(); w = w->parentWidget())
        if (auto* view = dynamic_cast<CContextHelp*>(w))
            topic = view->OnContextHelp();
    CHelpLauncher::OpenTopic(topic.isEmpty() ? CHelpLauncher::HelpFile : topic);
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == CStatusTextEvent::EventType)
    {
        if (m_StatusBar)
            m_StatusBar->SetStatusText(static_cast<CStatusTextEvent*>(event)->Text());
        return true;
    }
    if (event->type() == QEvent::StatusTip)
    {
        // Menu entries and buttons under the mouse show their text in the status pane, and
        // "Ready" once the mouse has left them.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (m_StatusBar)
            m_StatusBar->SetStatusText(tip.isEmpty() ? CMainStatusBar::IdleText : tip);
        return true;
    }
    return QMainWindow::event(event);
}
