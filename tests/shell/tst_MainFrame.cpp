#include "ShellFixture.h"

#include "common/CommandIds.h"
#include "common/DataPaths.h"
#include "event_tree_views/ui/EventTreeView.h"
#include "risk_analysis/ui/ResultListView.h"
#include "risk_analysis/ui/ResultTabView.h"
#include "shell/AboutDlg.h"
#include "shell/CommandActions.h"
#include "shell/FlashWindow.h"
#include "shell/GuiPrompter.h"
#include "shell/MainStatusBar.h"
#include "shell/ShellStartup.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace CommandId;

class TestMainFrame : public QObject
{
    Q_OBJECT
private slots:
    void menus_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("entries"); // "" for a separator
        QTest::newRow("file") << 0 << "&File"
                              << QStringList{"&Add New System...", "V&iew System List...", "",
                                             "&Close", "&Exit"};
        QTest::newRow("history") << 1 << "&View History"
                                 << QStringList{"Event Histor&y...", "Accide&nt History..."};
        QTest::newRow("recover") << 2 << "&Recover"
                                 << QStringList{"&System...", "SubSystem or& Function...",
                                                "Ha&zard...", "&Event or Accident..."};
        QTest::newRow("report") << 3 << "R&eport" << QStringList{"Risk A&ssessment Report"};
        QTest::newRow("help") << 4 << "&Help"
                              << QStringList{"&Toravin Model Vozezur Help  F1",
                                             "Contents ...........", "Index ..........",
                                             "A&bout Toravin Model Vozezur..."};
    }
    void menus()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QStringList, entries);
        CShellFixture f;
        QVERIFY(f.ready);
        const QList<QAction*> menus = f.frame.menuBar()->actions();
        QCOMPARE(menus.size(), 5);
        QCOMPARE(menus[index]->text(), title);
        QStringList texts;
        for (QAction* a : menus[index]->menu()->actions())
            texts << (a->isSeparator() ? QString() : a->text());
        QCOMPARE(texts, entries);
    }

    void toolbarAndAccelerators()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        auto* toolBar = f.frame.findChild<QToolBar*>("mainToolBar");
        QVERIFY(toolBar);
        QList<int> ids;
        QStringList tips, statusTexts;
        for (QAction* a : toolBar->actions())
        {
            ids << (a->isSeparator() ? 0 : CCommandActions::IdOf(a));
            if (!a->isSeparator())
            {
                tips << a->toolTip();
                statusTexts << a->statusTip();
                QVERIFY(!a->icon().isNull());
                QVERIFY(toolBar->widgetForAction(a)->minimumWidth() >= 60);
            }
        }
        QCOMPARE(ids, (QList<int>{AddNewSystem, OpenSystem, 0, AddHazard, AddSubsystem, AddFunction,
                                  0, Edit, Delete, 0, Run, Report, Help}));
        QCOMPARE(tips, (QStringList{" Add New System", "Open system List", " Add Hazard",
                                    " Add Subsystem", " Add Function", " Edit", " Delete", "Run",
                                    " Risk Assessment Report", "Help"}));
        QCOMPARE(statusTexts, (QStringList{"Add New system", "Open System", "Add Hazard Details",
                                           "Add Subsystem", "Add Function", "Edit ", "Delete",
                                           "Run system", "Risk Assessment Report", "Help"}));
        QCOMPARE(f.frame.Action(Run)->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(f.frame.Action(Delete)->shortcut(), QKeySequence(Qt::Key_Delete));
        QCOMPARE(f.frame.Action(Copy)->shortcut(), QKeySequence("Ctrl+C"));
        QCOMPARE(f.frame.Action(Paste)->shortcut(), QKeySequence("Ctrl+P"));
        for (int id : f.frame.Actions().Ids())
            QCOMPARE(f.frame.Action(id)->data().toInt(), id);
    }

    void panesAndTabs()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.frame.OuterSplitter()->orientation(), Qt::Vertical);
        QCOMPARE(f.frame.InnerSplitter()->orientation(), Qt::Horizontal);
        QCOMPARE(f.frame.OuterSplitter()->widget(0), f.frame.InnerSplitter());
        QCOMPARE(f.frame.OuterSplitter()->widget(1), f.app.m_pResultTabs);
        QCOMPARE(f.frame.InnerSplitter()->widget(0), f.app.m_pSystemTree);
        QCOMPARE(f.frame.InnerSplitter()->widget(1), f.app.m_pEventTreeTabs);
        QCOMPARE(f.RightTabLabels(),
                 QStringList({"View Event Tree", "Create Event Tree", "Accident Info"}));
        QCOMPARE(f.RightTabs().currentIndex(), 1);
        QVERIFY(f.app.m_pDiagramView && f.app.m_pEditorView && f.app.m_pAccidentInfoView);
        QCOMPARE(f.app.m_pResultTabs->GetTabCount(), 3);
        QCOMPARE(f.app.m_pResultTabs->tabText(2), QString("Collective Risks"));
        QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur"));
    }

    void initialFlagsAndCommandStates()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        for (int id : CMainFrame::FlagIds())
            QVERIFY(!f.frame.Flag(id));
        for (int id : {Run, CloseSystem, RecoverSystem, RecoverHazard, RecoverEvent,
                       RecoverSubsystemOrFunction, Edit, Delete})
            QVERIFY2(!f.frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {OpenSystem, Exit, HelpFile, HelpContents, HelpIndex, About, Help})
            QVERIFY2(f.frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        // A command whose part is not plugged in yet stays disabled; plugged in, it follows
        // its flag.
        QVERIFY(!f.frame.Action(EventHistory)->isEnabled());
        int shown = 0;
        f.frame.SetCommandHandler(EventHistory, [&] { ++shown; });
        QVERIFY(f.frame.Action(EventHistory)->isEnabled());
        QVERIFY(f.frame.ExecuteCommand(EventHistory));
        QCOMPARE(shown, 1);
        f.frame.SetCommandHandler(RecoverHazard, [&] { ++shown; });
        QVERIFY(!f.frame.ExecuteCommand(RecoverHazard));
        f.frame.SetFlag(RecoverHazard, true);
        QVERIFY(f.frame.ExecuteCommand(RecoverHazard));
        QCOMPARE(shown, 2);
    }

    void runFollowsTheActiveView()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(f.Tree().topLevelItem(0));
        QVERIFY(f.frame.IsCommandEnabled(Run));
        f.frame.SetActiveView(f.app.m_pResultTabs);
        QVERIFY(!f.frame.IsCommandEnabled(Run));
        QVERIFY(!f.frame.Action(Run)->isEnabled());
        QVERIFY(!f.frame.ExecuteCommand(Run));
        f.frame.SetActiveView(f.app.m_pSystemTree);
        QVERIFY(f.frame.Action(Run)->isEnabled());
    }

    void closeResetsFlagsAndTitle()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        f.db.AddHazard(sys, "Overspeed");
        f.AddStandardHazard(sys, "Derailment");
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(f.Item("Derailment"));
        f.app.m_pResultTabs->AddResultRow(ResultRow{});
        QVERIFY(f.frame.Action(CloseSystem)->isEnabled());
        f.prompter.Clear();

        QVERIFY(f.frame.ExecuteCommand(CloseSystem));
        QCOMPARE(f.prompter.StatusTexts(), QStringList{"Closes all the Views"});
        QCOMPARE(f.Tree().topLevelItemCount(), 0);
        QCOMPARE(f.app.m_CurrentHazardId, 0);
        QCOMPARE(f.app.m_pResultTabs->GetList(0)->rowCount(), 0);
        QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur"));
        QCOMPARE(f.RightTabLabels(), QStringList({"View Event Tree", "Create Event Tree"}));
        QCOMPARE(f.RightTabs().currentIndex(), 1);
        for (int id : CMainFrame::FlagIds())
            QVERIFY(!f.frame.Flag(id));
        for (int id : {Edit, Delete, AddHazard, AddFunction, AddSubsystem, Run, Report, CloseSystem,
                       RecoverSystem})
            QVERIFY(!f.Tree().Flag(id));
        QVERIFY(f.Tree().Flag(AddNewSystem));
        // The Recover entries stay disabled until a system is opened again.
        for (int id : {RecoverSystem, RecoverHazard, RecoverEvent, RecoverSubsystemOrFunction})
            QVERIFY(!f.frame.IsCommandEnabled(id));
        f.Tree().OpenSystem(sys, "Brake");
        QVERIFY(f.frame.Flag(RecoverHazard));
    }

    void closeWithNoSystemOnlyClearsTheFlags()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        f.frame.SetFlag(RecoverEvent, true);
        f.frame.setWindowTitle("Toravin Model Vozezur - x");
        f.frame.OnClose();
        QVERIFY(!f.frame.Flag(RecoverEvent));
        QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur - x"));
    }

    void statusBar()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        CMainStatusBar* bar = f.frame.StatusBar();
        QCOMPARE(bar->Pane(0)->text(), QString("F1-Help"));
        QCOMPARE(bar->StatusText(), QString("Ready"));
        QVERIFY(!bar->Pane(4)->text().isEmpty());
        QVERIFY(bar->Pane(1)->minimumWidth() >= 200);
        QVERIFY(bar->Clock()->isActive());
        QCOMPARE(bar->Clock()->interval(), 1000);
        QVERIFY(
            QRegularExpression("^\\d\\d/\\d\\d/\\d{4} $").match(bar->Pane(2)->text()).hasMatch());
        QVERIFY(
            QRegularExpression("^\\d\\d:\\d\\d :\\d\\d $").match(bar->Pane(3)->text()).hasMatch());
        const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 4));
        QCOMPARE(CMainStatusBar::DateText(when), QString("03/07/2026 "));
        QCOMPARE(CMainStatusBar::TimeText(when), QString("09:05 :04 "));

        // Status texts arrive as the status text event, through the GUI prompter.
        CGuiPrompter gui(&f.frame);
        gui.ShowStatus("Running.......");
        QCOMPARE(bar->StatusText(), QString("Running......."));
        // A button under the mouse shows its status text; leaving it shows "Ready".
        QStatusTipEvent over("Run system");
        QApplication::sendEvent(&f.frame, &over);
        QCOMPARE(bar->StatusText(), QString("Run system"));
        QStatusTipEvent left(QString{});
        QApplication::sendEvent(&f.frame, &left);
        QCOMPARE(bar->StatusText(), QString("Ready"));
    }

    void helpCommands_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("status");
        QTest::newRow("help file") << HelpFile << "index.html" << QStringList{};
        QTest::newRow("contents") << HelpContents << "DISPALY PAGE.html" << QStringList{};
        QTest::newRow("index") << HelpIndex << "index.html" << QStringList{};
        QTest::newRow("toolbar help")
            << Help << "index.html" << QStringList{"Opens the help file.........."};
    }
    void helpCommands()
    {
        QFETCH(int, id);
        QFETCH(QString, page);
        QFETCH(QStringList, status);
        CShellFixture f;
        QVERIFY(f.ready);
        QVERIFY(f.frame.ExecuteCommand(id));
        QCOMPARE(f.helpPages, QStringList{page});
        QCOMPARE(f.prompter.StatusTexts(), status);
    }

    void f1InTheResultLists_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("onTabStrip");
        QTest::addColumn<QString>("page");
        QTest::newRow("result") << 0 << false << "RESULT OUTPUT.html";
        QTest::newRow("accident rates") << 1 << false << "ACCIDENT RATES.html";
        QTest::newRow("collective risks") << 2 << false << "COLLECTIVE RISKS.html";
        QTest::newRow("tab strip") << 1 << true << "MIAN SCREEN WITH RESULTS.html";
    }
    void f1InTheResultLists()
    {
        QFETCH(int, tab);
        QFETCH(bool, onTabStrip);
        QFETCH(QString, page);
        CShellFixture f;
        QVERIFY(f.ready);
        f.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        f.app.m_pResultTabs->SetActiveView(tab);
        QWidget* target = onTabStrip ? static_cast<QWidget*>(f.app.m_pResultTabs->tabBar())
                                     : f.app.m_pResultTabs->GetView(tab);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1);
        QCOMPARE(f.helpPages, QStringList{page});
        // Views without topics of their own fall back to the help file.
        f.helpPages.clear();
        f.app.m_pDiagramView->setFocusPolicy(Qt::StrongFocus);
        f.RightTabs().SetActiveView(0);
        f.app.m_pDiagramView->setFocus();
        QTest::keyClick(f.app.m_pDiagramView, Qt::Key_F1);
        QCOMPARE(f.helpPages, QStringList{"index.html"});
    }

    void aboutBox()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        QString title, text;
        QTimer::singleShot(0, this,
                           [&]
                           {
                               auto* dlg =
                                   qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
                               if (!dlg)
                                   return;
                               title = dlg->windowTitle();
                               text = dlg->findChild<QLabel*>("versionLabel")->text();
                               dlg->accept();
                           });
        QVERIFY(f.frame.ExecuteCommand(About));
        QCOMPARE(title, QString("About Toravin Model Vozezur"));
        QCOMPARE(text, QString("Toravin Model Vozezur Version 2.3"));
    }

    void splashClosesItselfAfterFourSeconds()
    {
        CFlashWindow splash;
        QCOMPARE(splash.Timer()->interval(), 4000);
        QVERIFY(splash.Timer()->isActive());
        QVERIFY(splash.Timer()->isSingleShot());
    }

    void openByNameSelectsTheLatestVersion()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int v1 = f.db.AddSystem("Brake", 1);
        const int v2 = f.db.AddSystem("Brake", 2);
        QVERIFY(!CShellStartup::OpenByName(f.app, "Nothing"));
        QVERIFY(CShellStartup::OpenByName(f.app, "Brake"));
        QCOMPARE(f.app.m_OpenSystemName, QString("Brake"));
        QCOMPARE(CLeftView::ValueOf(f.Tree().currentItem()), v2);
        QCOMPARE(f.app.m_OpenSystemId, v2);
        QVERIFY(f.frame.IsCommandEnabled(Run));
        Q_UNUSED(v1);
    }

    void startUpFailsWithoutDatabases()
    {
        CRecordingPrompter prompter;
        QTemporaryDir empty;
        const QString previous = CDataPaths::Root();
        CDataPaths::SetRoot(empty.path());
        CQuillonToolSetApp app;
        QVERIFY(!app.InitDatabases());
        CDataPaths::SetRoot(previous);
        QVERIFY(!prompter.Messages().isEmpty());
        QCOMPARE(prompter.Messages().last(), QString("Unable to initialize the database"));
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_MainFrame.moc"
