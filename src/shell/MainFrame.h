#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>
#include <memory>

class CCommandActions;
class CCommandTarget;
class CMainStatusBar;
class CQuillonToolSetApp;
class QSplitter;

// The main window: system tree on the left, event tree tabs on the right, result lists below,
// with the menu, toolbar and status bar. Commands go first to the active view, then here.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    static inline const QString AppTitle = QStringLiteral("Toravin Model Vozezur");

    explicit CMainFrame(CQuillonToolSetApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the status bar, clock, toolbar, menus and panes. False when the window cannot be
    // used (the clock could not be started); the program then ends.
    bool Create();

    // The seven enable flags of the frame (Run, Close, Report and the four Recover commands).
    bool Flag(int id) const { return m_Flags.value(id, false); }
    void SetFlag(int id, bool on);
    void ClearFlags();
    static QList<int> FlagIds();

    bool IsCommandEnabled(int id) const;
    // Gives the command to the active view, then to the frame; false when it is disabled.
    bool ExecuteCommand(int id);
    // Later parts plug in here the commands the frame hands on (wizard, history, recover).
    void SetCommandHandler(int id, std::function<void()> handler);
    void UpdateCommandStates();

    // The view that takes commands first: the one that last had the focus.
    QWidget* ActiveView() const { return m_ActiveView; }
    void SetActiveView(QWidget* view);

    void OnClose();
    void SetTitleFor(const QString& label); // "Toravin Model Vozezur - " + label
    void ResetTitle();

    // Widens the system tree's pane so that its labels can be read, up to a share of the window.
    void FitSystemTreePane();

    // F1: the focused view's topic, or the help file.
    void ContextHelp();

    CCommandActions& Actions() const { return *m_Actions; }
    QAction* Action(int id) const;
    CMainStatusBar* StatusBar() const { return m_StatusBar; }
    QSplitter* OuterSplitter() const { return m_Outer; }
    QSplitter* InnerSplitter() const { return m_Inner; }

protected:
    bool event(QEvent* event) override;

private:
    void BuildPanes();
    bool HandleOwnCommand(int id);
    bool HasHandler(int id) const;
    CCommandTarget* ActiveTarget() const;
    void OnFocusChanged(QWidget* old, QWidget* now);

    CQuillonToolSetApp& m_App;
    std::unique_ptr<CCommandActions> m_Actions;
    CMainStatusBar* m_StatusBar = nullptr;
    QSplitter* m_Outer = nullptr;
    QSplitter* m_Inner = nullptr;
    QPointer<QWidget> m_ActiveView;
    QMap<int, bool> m_Flags;
    QMap<int, std::function<void()>> m_Handlers;
};
