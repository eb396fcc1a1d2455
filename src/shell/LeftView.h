#pragma once

#include "common/ui/ContextHelp.h"
#include "shell/CommandTarget.h"

#include <QMap>
#include <QTreeWidget>

#include <functional>
#include <memory>

class CQuillonToolSetApp;
class CMainFrame;
class CSystemRun;
class QMenu;

// The system tree: every live version of the open system with its subsystems, functions and
// hazards. Its selection decides which system and hazard the rest of the window works on, and
// it takes the model commands (with their enable flags) while it is the active view.
class CLeftView : public QTreeWidget, public CCommandTarget, public CContextHelp
{
    Q_OBJECT
public:
    enum Kind
    {
        SystemItem = 0,
        SubsystemItem = 1,
        FunctionItem = 2,
        HazardItem = 3,
        NoItem = -1
    };

    explicit CLeftView(CQuillonToolSetApp& app, QWidget* parent = nullptr);
    ~CLeftView() override;

    void OpenSystem(int sysId, const QString& name);
    void RebuildTree();
    void ShowEventTree();
    // The system tree's part of the Close command: empties the tree and the views that show
    // its selection, and resets the flags.
    void CloseSystem();
    void OnRun();
    // The Risk Assessment Report of the system version around the selection: shows each hazard's
    // diagram while it is written, saves the document under Reports/ and opens it on the
    // desktop. A handler installed for CommandId::Report replaces it.
    void OnReport();

    bool Flag(int id) const { return m_Flags.value(id, false); }
    void SetFlag(int id, bool on);
    static QList<int> FlagIds();

    // The model commands the later parts handle (add, edit, delete, copy, paste) plug in here; a
    // command without a handler stays disabled.
    void SetCommandHandler(int id, std::function<void()> handler);
    // Shows the Recover System list when every version of a system is deleted; true on OK.
    void SetRecoverSystemHandler(std::function<bool()> handler);
    bool HandlesCommand(int id) const;

    bool CommandEnabled(int id, bool& enabled) const override;
    bool OnCommand(int id) override;
    QString OnContextHelp() override;

    // The context menu for an item, as it would open (for the tests too).
    QMenu* CreateContextMenu(QTreeWidgetItem* item, QWidget* parent);

    static int KindOf(const QTreeWidgetItem* item);
    static int ValueOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* RootOf(QTreeWidgetItem* item);
    // The width the widest label needs, indentation and picture included.
    int ContentWidth() const { return sizeHintForColumn(0); }
    CSystemRun& SystemRun() const { return *m_Run; }

    int m_SelectedValue = 0;
    bool m_HasCopied = false; // something is in the copy buffer

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class FillResult
    {
        Failed,
        NoRows,
        Filled
    };
    FillResult FillTree(const QString& name);
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, int kind, const QString& label, int value);
    bool AddHazards(QTreeWidgetItem* parent, int sysId, const QString& failText);
    void AddChildSystems(QTreeWidgetItem* parent, int sysId);
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    void SetSelectionFlags(int kind);
    void ClearEventTreeViews();
    void RestoreEventTreeTabsIfSingle();
    void ShowEventTreeTabsOnly();
    void ShowAccidentInfoOnly();
    CMainFrame* Frame() const;

    CQuillonToolSetApp& m_App;
    std::unique_ptr<CSystemRun> m_Run;
    QMap<int, bool> m_Flags;
    QMap<int, std::function<void()>> m_Handlers;
    std::function<bool()> m_RecoverSystem;
};
