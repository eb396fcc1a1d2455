#include "shell/LeftView.h"

#include "common/CommandIds.h"
#include "common/DesktopOpener.h"
#include "common/Prompter.h"
#include "common/ui/TabView.h"
#include "event_tree_views/EventTreeDiagram.h"
#include "event_tree_views/ui/DrawEventTreeView.h"
#include "event_tree_views/ui/EventTreeView.h"
#include "forms/ui/HazardAccidentInfo.h"
#include "model_store/ModelDatabase.h"
#include "report/RiskReport.h"
#include "risk_analysis/RunResultsValid.h"
#include "risk_analysis/SystemRun.h"
#include "risk_analysis/ui/ResultTabView.h"
#include "shell/MainFrame.h"
#include "shell/MainStatusBar.h"
#include "shell/QuillonToolSetApp.h"
#include "shell/ShellIcons.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QUrl>

namespace
{
constexpr int ValueRole = Qt::UserRole;
constexpr int KindRole = Qt::UserRole + 1;

const QString ViewEventTreeLabel = QStringLiteral("View Event Tree");
const QString CreateEventTreeLabel = QStringLiteral("Create Event Tree");
const QString AccidentInfoLabel = QStringLiteral("Accident Info");
} // namespace

CLeftView::CLeftView(CQuillonToolSetApp& app, QWidget* parent)
    : QTreeWidget(parent), m_App(app), m_Run(std::make_unique<CSystemRun>(app))
{
    setObjectName(QStringLiteral("systemTree"));
    m_App.m_pSystemTree = this;
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(20, 20));
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    for (int id : FlagIds())
        m_Flags.insert(id, id == CommandId::AddNewSystem);

    m_Run->SetHasRootItem([this] { return topLevelItemCount() > 0; });
    m_Run->SetRunFinished(
        [this]
        {
            if (m_App.m_pDiagramView)
                m_App.m_pDiagramView->RepaintDiagram();
            if (m_App.m_pEditorView && m_App.m_CurrentHazardId != 0)
                m_App.m_pEditorView->RebuildEditor();
        });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnCurrentItemChanged(current); });
}

CLeftView::~CLeftView()
{
    if (m_App.m_pSystemTree == this)
        m_App.m_pSystemTree = nullptr;
}

QList<int> CLeftView::FlagIds()
{
    return {CommandId::AddHazard,    CommandId::AddSubsystem, CommandId::AddFunction,
            CommandId::Edit,         CommandId::Delete,       CommandId::Run,
            CommandId::AddNewSystem, CommandId::CloseSystem,  CommandId::Report,
            CommandId::RecoverSystem};
}

CMainFrame* CLeftView::Frame() const
{
    return m_App.m_pMainFrame;
}

void CLeftView::SetFlag(int id, bool on)
{
    if (!m_Flags.contains(id))
        return;
    m_Flags[id] = on;
    if (Frame())
        Frame()->UpdateCommandStates();
}

void CLeftView::SetCommandHandler(int id, std::function<void()> handler)
{
    m_Handlers.insert(id, std::move(handler));
    if (Frame())
        Frame()->UpdateCommandStates();
}

void CLeftView::SetRecoverSystemHandler(std::function<bool()> handler)
{
    m_RecoverSystem = std::move(handler);
}

bool CLeftView::HandlesCommand(int id) const
{
    return id == CommandId::Run || id == CommandId::ShowEventTree || id == CommandId::Report ||
           m_Handlers.contains(id);
}

bool CLeftView::CommandEnabled(int id, bool& enabled) const
{
    if (!m_Flags.contains(id))
        return false;
    enabled = m_Flags.value(id);
    return true;
}

bool CLeftView::OnCommand(int id)
{
    switch (id)
    {
    case CommandId::Run:
        OnRun();
        return true;
    case CommandId::ShowEventTree:
        this->ShowEventTree();
        return true;
    case CommandId::Report:
        OnReport();
        return true;
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

void CLeftView::OnRun()
{
    m_Run->SetResultSink(m_App.m_pResultTabs);
    m_Run->OnRun();
    if (m_App.m_pResultTabs)
        m_App.m_pResultTabs->FitColumnsToRows();
}

void CLeftView::OnReport()
{
    if (auto handler = m_Handlers.value(CommandId::Report))
    {
        handler();
        return;
    }
    // The report holds the window until the document is written.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });

    // The report covers the whole system version the selection belongs to.
    QTreeWidgetItem* root = RootOf(currentItem());
    if (root && root != currentItem())
        setCurrentItem(root);
    CTabView* tabs = m_App.m_pEventTreeTabs;
    if (tabs && tabs->GetTabCount() == 1)
    {
        ShowEventTreeTabsOnly();
        tabs->SetActiveView(0);
    }
    const int keptTab = tabs ? tabs->currentIndex() : -1;

    std::unique_ptr<CEventTreeDiagram> ownDiagram;
    if (!m_App.m_pDiagramView)
        ownDiagram = std::make_unique<CEventTreeDiagram>(m_App);
    CEventTreeDiagram& diagram = ownDiagram ? *ownDiagram : m_App.m_pDiagramView->Diagram();
    m_Run->SetResultSink(m_App.m_pResultTabs);
    CRiskReport report(m_App, *m_Run, diagram);
    report.SetHazardStarted(
        [this, tabs, &report](int hazardId)
        {
            if (tabs)
                tabs->SetActiveView(0);
            if (m_App.m_pDiagramView)
            {
                m_App.m_pDiagramView->BuildDiagram();
                if (m_App.m_pEditorView && m_App.m_pDiagramView->BuiltHazardId() == hazardId)
                    m_App.m_pEditorView->RebuildEditor();
            }
            CPrompter::Status(QStringLiteral("Risk Assessment Report: Hazard# %1 - %2.......")
                                  .arg(report.m_HazardIndex)
                                  .arg(m_App.m_CurrentHazardName));
            // Nothing else gets painted until the report ends: show this hazard now.
            if (tabs)
                tabs->repaint();
            if (Frame() && Frame()->StatusBar())
                Frame()->StatusBar()->repaint();
        });
    report.SetReportFinished(
        [this, tabs, keptTab]
        {
            if (tabs && keptTab >= 0)
            {
                tabs->SetActiveView(keptTab);
                tabs->repaint();
            }
            m_App.m_CurrentHazardId = 0;
            ClearEventTreeViews();
        });
    const bool saved = report.OnRiskAssessmentReport();
    if (m_App.m_pResultTabs)
        m_App.m_pResultTabs->FitColumnsToRows();
    if (!saved)
        return;
    CPrompter::Status(QStringLiteral("Risk Assessment Report saved as %1").arg(report.SavedPath()));
    CDesktopOpener::Open(QUrl::fromLocalFile(report.SavedPath()));
}

int CLeftView::KindOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, KindRole).toInt() : NoItem;
}

int CLeftView::ValueOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, ValueRole).toInt() : 0;
}

QTreeWidgetItem* CLeftView::RootOf(QTreeWidgetItem* item)
{
    while (item && item->parent())
        item = item->parent();
    return item;
}

QTreeWidgetItem* CLeftView::AddItem(QTreeWidgetItem* parent, int kind, const QString& label,
                                    int value)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, label);
    item->setIcon(0, CShellIcons::TreeImage(kind));
    item->setData(0, ValueRole, value);
    item->setData(0, KindRole, kind);
    return item;
}

bool CLeftView::AddHazards(QTreeWidgetItem* parent, int sysId, const QString& failText)
{
    CHazardList hazards;
    if (!m_App.m_pModelStore->GetHazards(hazards, sysId))
    {
        if (!failText.isEmpty())
            CPrompter::Message(failText, CPrompter::Icon::Warning);
        return false;
    }
    for (const CHazard& h : hazards)
        AddItem(parent, HazardItem, h.Haz_Name, h.Haz_ID);
    return true;
}

void CLeftView::AddChildSystems(QTreeWidgetItem* parent, int sysId)
{
    CSystemList children;
    if (!m_App.m_pModelStore->GetChildSystems(children, sysId))
    {
        CPrompter::Message(QStringLiteral("Unable to retrieve System details."),
                           CPrompter::Icon::Warning);
        return;
    }
    for (const CSystem& child : children)
    {
        QTreeWidgetItem* item = AddItem(parent, child.Type == 1 ? SubsystemItem : FunctionItem,
                                        child.Sys_Name, child.Sys_ID);
        if (!AddHazards(item, child.Sys_ID, QStringLiteral("Unable to retrieve Hazard details.")))
            return;
        AddChildSystems(item, child.Sys_ID);
    }
}

CLeftView::FillResult CLeftView::FillTree(const QString& name)
{
    CSystemList versions;
    if (!m_App.m_pModelStore->GetSystemByName(versions, name, 0))
    {
        CPrompter::Message(QStringLiteral("Unable to retrieve System details"));
        return FillResult::Failed;
    }
    if (versions.isEmpty())
        return FillResult::NoRows;
    const QSignalBlocker block(this);
    for (const CSystem& s : versions)
    {
        QTreeWidgetItem* root =
            AddItem(nullptr, SystemItem,
                    QStringLiteral("%1 (Version = %2)").arg(s.Sys_Name).arg(s.Version), s.Sys_ID);
        AddHazards(root, s.Sys_ID, QString());
        AddChildSystems(root, s.Sys_ID);
    }
    expandAll();
    return FillResult::Filled;
}

void CLeftView::ClearEventTreeViews()
{
    if (m_App.m_pDiagramView)
        m_App.m_pDiagramView->ClearDiagram();
    if (m_App.m_pEditorView)
        m_App.m_pEditorView->ClearEditor();
}

void CLeftView::RestoreEventTreeTabsIfSingle()
{
    CTabView* tabs = m_App.m_pEventTreeTabs;
    if (tabs && tabs->GetTabCount() == 1)
    {
        ShowEventTreeTabsOnly();
        tabs->SetActiveView(1);
    }
}

void CLeftView::ShowEventTreeTabsOnly()
{
    CTabView* tabs = m_App.m_pEventTreeTabs;
    if (!tabs)
        return;
    if (tabs->GetTabCount() == 1)
    {
        tabs->InsertView(0, ViewEventTreeLabel, m_App.m_pDiagramView);
        tabs->InsertView(1, CreateEventTreeLabel, m_App.m_pEditorView);
    }
    tabs->DetachView(m_App.m_pAccidentInfoView);
}

void CLeftView::ShowAccidentInfoOnly()
{
    CTabView* tabs = m_App.m_pEventTreeTabs;
    if (!tabs)
        return;
    if (tabs->GetTabCount() == 2)
        tabs->InsertView(2, AccidentInfoLabel, m_App.m_pAccidentInfoView);
    if (tabs->GetTabCount() == 3)
    {
        tabs->DetachView(m_App.m_pDiagramView);
        tabs->DetachView(m_App.m_pEditorView);
    }
}

void CLeftView::OpenSystem(int sysId, const QString& name)
{
    if (Frame())
        Frame()->OnClose();
    m_App.m_OpenSystemId = sysId;
    m_App.m_OpenSystemName = name;
    if (Frame())
    {
        Frame()->SetFlag(CommandId::Run, false);
        for (int id : {CommandId::CloseSystem, CommandId::RecoverSystem, CommandId::RecoverHazard,
                       CommandId::RecoverEvent, CommandId::RecoverSubsystemOrFunction})
            Frame()->SetFlag(id, true);
    }
    CPrompter::Status(QStringLiteral("Open the selected system in the left view ........."));
    g_RunResultsValid = false;
    SetFlag(CommandId::Run, false);
    SetFlag(CommandId::CloseSystem, true);
    SetFlag(CommandId::RecoverSystem, true);
    SetFlag(CommandId::Report, false);
    RestoreEventTreeTabsIfSingle();
    {
        const QSignalBlocker block(this);
        clear();
    }
    ClearEventTreeViews();
    if (m_App.m_pResultTabs)
        m_App.m_pResultTabs->ClearResults();

    const FillResult result = FillTree(name);
    if (result == FillResult::Failed)
        return;
    if (result == FillResult::NoRows)
    {
        if (CPrompter::Ask(QStringLiteral("All versions of the selected system have been deleted. "
                                          "Do you want to recover the same?")))
        {
            if (m_RecoverSystem && m_RecoverSystem())
                OpenSystem(sysId, name);
            return;
        }
        if (Frame())
            Frame()->ClearFlags();
        SetFlag(CommandId::CloseSystem, false);
        SetFlag(CommandId::RecoverSystem, false);
        return;
    }
    m_App.m_CurrentHazardId = 0;
    if (Frame())
    {
        Frame()->SetTitleFor(name);
        Frame()->FitSystemTreePane();
    }
    if (m_App.m_pEventTreeTabs)
        m_App.m_pEventTreeTabs->SetActiveView(0);
}

void CLeftView::RebuildTree()
{
    {
        const QSignalBlocker block(this);
        clear();
    }
    if (FillTree(m_App.m_OpenSystemName) != FillResult::Filled)
        return;
    m_App.m_CurrentHazardId = 0;
    if (Frame())
        Frame()->SetTitleFor(topLevelItem(0)->text(0));
}

void CLeftView::CloseSystem()
{
    m_App.m_CurrentHazardId = 0;
    RestoreEventTreeTabsIfSingle();
    ClearEventTreeViews();
    {
        const QSignalBlocker block(this);
        clear();
    }
    if (m_App.m_pResultTabs)
        m_App.m_pResultTabs->ClearResults();
    SetFlag(CommandId::AddNewSystem, true);
    for (int id : {CommandId::Edit, CommandId::Delete, CommandId::AddHazard, CommandId::AddFunction,
                   CommandId::AddSubsystem, CommandId::Run, CommandId::Report,
                   CommandId::CloseSystem, CommandId::RecoverSystem})
        SetFlag(id, false);
}

void CLeftView::SetSelectionFlags(int kind)
{
    struct Row
    {
        bool addHazard, addSubsystem, addFunction;
    };
    const Row rows[4] = {
        {true, true, true}, {true, false, true}, {true, false, false}, {false, false, false}};
    if (kind < SystemItem || kind > HazardItem)
    {
        for (int id : {CommandId::AddHazard, CommandId::AddSubsystem, CommandId::AddFunction,
                       CommandId::Edit, CommandId::Delete, CommandId::Run})
            SetFlag(id, false);
        SetFlag(CommandId::AddNewSystem, true);
        if (Frame())
            Frame()->SetFlag(CommandId::Run, false);
        return;
    }
    SetFlag(CommandId::AddHazard, rows[kind].addHazard);
    SetFlag(CommandId::AddSubsystem, rows[kind].addSubsystem);
    SetFlag(CommandId::AddFunction, rows[kind].addFunction);
    for (int id : {CommandId::Edit, CommandId::Delete, CommandId::Run, CommandId::Report,
                   CommandId::AddNewSystem})
        SetFlag(id, true);
}

void CLeftView::OnCurrentItemChanged(QTreeWidgetItem* current)
{
    const int kind = KindOf(current);
    QTreeWidgetItem* root = RootOf(current);
    const int t = ValueOf(root);
    if (current && t != m_App.m_OpenSystemId)
    {
        g_RunResultsValid = false;
        if (m_App.m_pResultTabs)
            m_App.m_pResultTabs->ClearResults();
        m_App.m_CurrentHazardId = 0;
        ClearEventTreeViews();
    }
    SetSelectionFlags(kind);
    if (kind >= SystemItem && kind <= FunctionItem)
    {
        m_App.m_OpenSystemId = t;
        m_App.m_CurrentHazardId = 0;
        ClearEventTreeViews();
        m_SelectedValue = ValueOf(current);
        RestoreEventTreeTabsIfSingle();
    }
    else if (kind == HazardItem)
    {
        m_SelectedValue = ValueOf(current);
        m_App.m_CurrentHazardId = m_SelectedValue;
        m_App.m_OpenSystemId = t;
        this->ShowEventTree();
        m_App.m_SelectedItemText = current->text(0);
        CHazardList hazard;
        const bool standard = m_App.m_pModelStore->GetHazard(hazard, m_SelectedValue) &&
                              !hazard.isEmpty() && hazard.first().IsProbFromDatabase;
        CTabView* tabs = m_App.m_pEventTreeTabs;
        if (standard)
        {
            ShowAccidentInfoOnly();
            if (tabs)
                tabs->SetActiveView(0);
            if (m_App.m_pAccidentInfoView)
                m_App.m_pAccidentInfoView->RefreshAccidentInfo();
        }
        else
        {
            ShowEventTreeTabsOnly();
            if (tabs)
                tabs->SetActiveView(1);
        }
    }
    if (root && Frame())
        Frame()->SetTitleFor(root->text(0));
}

void CLeftView::ShowEventTree()
{
    CPrompter::Status(QStringLiteral("Displays the Event tree for the selected hazard......."));
    QTreeWidgetItem* item = currentItem();
    if (KindOf(item) != HazardItem)
    {
        CPrompter::Message(QStringLiteral("Please select Hazard For event Tree"));
        return;
    }
    m_App.m_CurrentHazardName = item->text(0);
    ClearEventTreeViews();
    if (m_App.m_pDiagramView)
        m_App.m_pDiagramView->BuildDiagram();
    if (m_App.m_pEditorView)
        m_App.m_pEditorView->RebuildEditor();
    if (m_App.m_pDiagramView)
        m_App.m_pDiagramView->RepaintDiagram();
}

void CLeftView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
    {
        if (topLevelItemCount() > 0)
        {
            for (int id : {CommandId::Run, CommandId::CloseSystem, CommandId::RecoverSystem})
                SetFlag(id, true);
        }
        else
        {
            for (int id : {CommandId::Run, CommandId::CloseSystem, CommandId::RecoverSystem,
                           CommandId::Report, CommandId::AddHazard, CommandId::AddSubsystem,
                           CommandId::AddFunction, CommandId::Edit, CommandId::Delete})
                SetFlag(id, false);
            SetFlag(CommandId::AddNewSystem, true);
            if (Frame())
            {
                for (int id : {CommandId::RecoverHazard, CommandId::RecoverEvent,
                               CommandId::RecoverSubsystemOrFunction, CommandId::Run})
                    Frame()->SetFlag(id, false);
            }
        }
    }
    QTreeWidget::mousePressEvent(event);
}

QMenu* CLeftView::CreateContextMenu(QTreeWidgetItem* item, QWidget* parent)
{
    const int kind = KindOf(item);
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("systemTreeMenu"));
    auto add = [&](QMenu* to, const QString& text, int id, bool disabled)
    {
        QAction* action = to->addAction(text);
        action->setData(id);
        const bool enabled = !disabled && (!Frame() || Frame()->IsCommandEnabled(id));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this,
                [this, id]
                {
                    if (Frame())
                        Frame()->ExecuteCommand(id);
                });
    };
    QMenu* addMenu = menu->addMenu(QStringLiteral("Add "));
    add(addMenu, QStringLiteral("Subsystem..."), CommandId::AddSubsystem, kind != SystemItem);
    add(addMenu, QStringLiteral("Function..."), CommandId::AddFunction,
        kind == FunctionItem || kind == HazardItem);
    add(addMenu, QStringLiteral("Hazard..."), CommandId::AddHazard, kind == HazardItem);
    menu->addSeparator();
    add(menu, QStringLiteral("Edit..."), CommandId::Edit, false);
    add(menu, QStringLiteral("Delete"), CommandId::Delete, false);
    menu->addSeparator();
    add(menu, QStringLiteral("Run                               F5"), CommandId::Run, false);
    add(menu, QStringLiteral("Risk Assessment Report"), CommandId::Report, false);
    menu->addSeparator();
    add(menu, QStringLiteral("Copy                          Ctrl+C"), CommandId::Copy,
        kind == SystemItem);
    add(menu, QStringLiteral("Paste                         Ctrl+P"), CommandId::Paste,
        !m_HasCopied);
    return menu;
}

void CLeftView::contextMenuEvent(QContextMenuEvent* event)
{
    QTreeWidgetItem* item = nullptr;
    if (event->reason() == QContextMenuEvent::Mouse)
    {
        item = itemAt(event->pos());
        if (item)
            setCurrentItem(item);
    }
    else
    {
        item = currentItem();
    }
    if (!item || item != currentItem())
        return;
    if (Frame())
        Frame()->SetActiveView(this);
    QMenu* menu = CreateContextMenu(item, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QString CLeftView::OnContextHelp()
{
    CPrompter::Status(QStringLiteral("Display the help information......."));
    switch (KindOf(currentItem()))
    {
    case SystemItem:
        return QStringLiteral("helpoutput.chm::/SYSTEM.html");
    case SubsystemItem:
        return QStringLiteral("helpoutput.chm::/ADD SUBSYSTEM.html");
    case FunctionItem:
        return QStringLiteral("helpoutput.chm::/ADD FUNCTION.html");
    case HazardItem:
        return QStringLiteral("helpoutput.chm::/ADD HAZARD.html");
    default:
        return QStringLiteral("helpoutput.chm::/LEFT VIEW.html");
    }
}
