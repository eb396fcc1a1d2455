#include "ShellFixture.h"

#include "common/CommandIds.h"
#include "event_tree_views/ui/DrawEventTreeView.h"
#include "forms/ui/HazardAccidentInfo.h"
#include "risk_analysis/RunResultsValid.h"
#include "risk_analysis/SystemRun.h"
#include "risk_analysis/ui/ResultListView.h"
#include "risk_analysis/ui/ResultTabView.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace CommandId;

namespace
{
QStringList ChildLabels(QTreeWidgetItem* item)
{
    QStringList labels;
    for (int i = 0; i < item->childCount(); ++i)
        labels << item->child(i)->text(0);
    return labels;
}

// The entries of a menu and its submenus as "text:enabled", depth first.
QStringList Entries(const QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
    {
        if (a->isSeparator())
            continue;
        if (a->menu())
            out << Entries(a->menu());
        else
            out << QStringLiteral("%1:%2").arg(a->text()).arg(a->isEnabled() ? 1 : 0);
    }
    return out;
}
} // namespace

class TestLeftView : public QObject
{
    Q_OBJECT
private slots:
    void openShowsEveryLiveVersion()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int v1 = f.db.AddSystem("Brake", 1);
        const int v2 = f.db.AddSystem("Brake", 2);
        const int v3 = f.db.AddSystem("Brake", 3);
        QVERIFY(f.db.Model().MarkSystemDeleted(v2));

        f.Tree().OpenSystem(v1, "Brake");
        QCOMPARE(f.Tree().topLevelItemCount(), 2);
        QCOMPARE(f.Tree().topLevelItem(0)->text(0), QString("Brake (Version = 1)"));
        QCOMPARE(f.Tree().topLevelItem(1)->text(0), QString("Brake (Version = 3)"));
        QCOMPARE(CLeftView::ValueOf(f.Tree().topLevelItem(1)), v3);
        QCOMPARE(CLeftView::KindOf(f.Tree().topLevelItem(0)), int(CLeftView::SystemItem));
        QCOMPARE(f.app.m_OpenSystemId, v1);
        QCOMPARE(f.app.m_OpenSystemName, QString("Brake"));
        QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur - Brake"));
        QVERIFY(f.prompter.StatusTexts().contains(
            "Open the selected system in the left view ........."));
        QVERIFY(f.prompter.Messages().isEmpty());
        // Close and the four Recover flags are set, Run is not.
        QVERIFY(!f.frame.Flag(Run));
        for (int id :
             {CloseSystem, RecoverSystem, RecoverHazard, RecoverEvent, RecoverSubsystemOrFunction})
            QVERIFY(f.frame.Flag(id));
        QVERIFY(f.Tree().Flag(CloseSystem));
        QVERIFY(f.Tree().Flag(RecoverSystem));
        QVERIFY(!f.Tree().Flag(Run));
        QVERIFY(!f.Tree().Flag(Report));
        QCOMPARE(f.RightTabs().currentIndex(), 0);
    }

    void hazardsComeBeforeSubsystemsAndFunctions()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        const int sub = f.db.AddSystem("Onboard", 1, 1, sys);
        const int fun = f.db.AddSystem("Enforce", 1, 2, sub);
        f.db.AddHazard(fun, "Late braking");
        f.db.AddHazard(sub, "Lost position");
        f.db.AddSystem("Wayside", 1, 2, sys);
        f.db.AddHazard(sys, "Overspeed");
        const int gone = f.db.AddHazard(sys, "Deleted one");
        QVERIFY(f.db.Model().MarkHazardDeleted(gone));

        f.Tree().OpenSystem(sys, "Brake");
        QTreeWidgetItem* root = f.Tree().topLevelItem(0);
        QCOMPARE(ChildLabels(root), QStringList({"Overspeed", "Onboard", "Wayside"}));
        QTreeWidgetItem* onboard = root->child(1);
        QCOMPARE(ChildLabels(onboard), QStringList({"Lost position", "Enforce"}));
        QCOMPARE(ChildLabels(onboard->child(1)), QStringList({"Late braking"}));
        QCOMPARE(CLeftView::KindOf(onboard), int(CLeftView::SubsystemItem));
        QCOMPARE(CLeftView::KindOf(onboard->child(1)), int(CLeftView::FunctionItem));
        QCOMPARE(CLeftView::KindOf(root->child(0)), int(CLeftView::HazardItem));
        QCOMPARE(CLeftView::ValueOf(onboard), sub);
        QVERIFY(onboard->child(1)->isExpanded());

        // A rebuild after an edit shows the same tree and titles the window by the first root.
        f.db.AddHazard(sys, "Added later");
        f.Tree().RebuildTree();
        QCOMPARE(ChildLabels(f.Tree().topLevelItem(0)).first(2),
                 QStringList({"Overspeed", "Added later"}));
        QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur - Brake (Version = 1)"));
    }

    void flagsBySelectedKind_data()
    {
        QTest::addColumn<QString>("item");
        // Add Hazard, Add Subsystem, Add Function, Edit, Delete, Run, Report, Add New System
        QTest::addColumn<QList<bool>>("flags");
        QTest::newRow("system") << "Brake (Version = 1)"
                                << QList<bool>{true, true, true, true, true, true, true, true};
        QTest::newRow("subsystem")
            << "Onboard" << QList<bool>{true, false, true, true, true, true, true, true};
        QTest::newRow("function") << "Enforce"
                                  << QList<bool>{true, false, false, true, true, true, true, true};
        QTest::newRow("hazard") << "Overspeed"
                                << QList<bool>{false, false, false, true, true, true, true, true};
        // Nothing selected: Report keeps what the last selection gave it.
        QTest::newRow("none") << ""
                              << QList<bool>{false, false, false, false, false, false, true, true};
    }
    void flagsBySelectedKind()
    {
        QFETCH(QString, item);
        QFETCH(QList<bool>, flags);
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        const int sub = f.db.AddSystem("Onboard", 1, 1, sys);
        f.db.AddSystem("Enforce", 1, 2, sub);
        f.db.AddHazard(sys, "Overspeed");
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(f.Item("Overspeed"));
        f.Tree().setCurrentItem(item.isEmpty() ? nullptr : f.Item(item));

        const int ids[] = {AddHazard, AddSubsystem, AddFunction, Edit,
                           Delete,    Run,          Report,      AddNewSystem};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(f.Tree().Flag(ids[i]) == flags[i], qPrintable(QString::number(ids[i])));
        if (item.isEmpty())
            QVERIFY(!f.frame.Flag(Run));
        else
            QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur - Brake (Version = 1)"));
        // The toolbar follows the tree's flags while the tree is the active view.
        f.Tree().SetCommandHandler(AddHazard, [] {});
        QCOMPARE(f.frame.Action(AddHazard)->isEnabled(), flags[0]);
        QCOMPARE(f.frame.Action(Run)->isEnabled(), flags[5]);
    }

    void selectingAnotherVersionClearsResults()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int v1 = f.db.AddSystem("Brake", 1);
        const int v3 = f.db.AddSystem("Brake", 3);
        f.db.AddHazard(v1, "Old hazard");
        const int h3 = f.db.AddHazard(v3, "New hazard");
        f.Tree().OpenSystem(v1, "Brake");
        f.Tree().setCurrentItem(f.Item("Old hazard"));
        g_RunResultsValid = true;
        f.app.m_pResultTabs->AddResultRow(ResultRow{});
        f.app.m_pResultTabs->AddAccidentRateRow(ResultRow{});

        f.Tree().setCurrentItem(f.Item("New hazard"));
        QCOMPARE(f.app.m_OpenSystemId, v3);
        QCOMPARE(f.app.m_CurrentHazardId, h3);
        QCOMPARE(f.Tree().m_SelectedValue, h3);
        QCOMPARE(f.app.m_SelectedItemText, QString("New hazard"));
        QCOMPARE(f.app.m_CurrentHazardName, QString("New hazard"));
        QVERIFY(!g_RunResultsValid);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.app.m_pResultTabs->GetList(i)->rowCount(), 0);
        QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur - Brake (Version = 3)"));
        QCOMPARE(f.app.m_pEditorView->BuiltHazardId(), h3);

        // Within the same version the results stay.
        f.app.m_pResultTabs->AddResultRow(ResultRow{});
        f.Tree().setCurrentItem(f.Item("Brake (Version = 3)"));
        QCOMPARE(f.app.m_pResultTabs->GetList(0)->rowCount(), 1);
        QCOMPARE(f.app.m_CurrentHazardId, 0);
        QCOMPARE(f.app.m_pEditorView->BuiltHazardId(), 0);
    }

    void standardTreeHazardShowsOnlyAccidentInfo()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        f.db.AddHazard(sys, "Overspeed");
        const int standard = f.AddStandardHazard(sys, "Derailment");
        f.Tree().OpenSystem(sys, "Brake");
        QCOMPARE(f.RightTabLabels(),
                 QStringList({"View Event Tree", "Create Event Tree", "Accident Info"}));

        f.Tree().setCurrentItem(f.Item("Derailment"));
        QCOMPARE(f.RightTabLabels(), QStringList({"Accident Info"}));
        QCOMPARE(f.RightTabs().currentWidget(), f.app.m_pAccidentInfoView);
        QCOMPARE(f.app.m_pAccidentInfoView->ShownHazardId(), standard);

        f.Tree().setCurrentItem(f.Item("Overspeed"));
        QCOMPARE(f.RightTabLabels(), QStringList({"View Event Tree", "Create Event Tree"}));
        QCOMPARE(f.RightTabs().currentIndex(), 1);

        f.Tree().setCurrentItem(f.Item("Derailment"));
        QCOMPARE(f.RightTabLabels(), QStringList({"Accident Info"}));
        // Selecting the system brings the event tree tabs back too.
        f.Tree().setCurrentItem(f.Item("Brake (Version = 1)"));
        QCOMPARE(f.RightTabLabels(), QStringList({"View Event Tree", "Create Event Tree"}));
        QCOMPARE(f.RightTabs().currentIndex(), 1);
        QVERIFY(f.app.m_pAccidentInfoView->isHidden());
    }

    void allVersionsDeletedAsksToRecover_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("recovered");
        QTest::newRow("no") << false << false;
        QTest::newRow("yes, list cancelled") << true << false;
        QTest::newRow("yes, recovered") << true << true;
    }
    void allVersionsDeletedAsksToRecover()
    {
        QFETCH(bool, answer);
        QFETCH(bool, recovered);
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        QVERIFY(f.db.Model().MarkSystemDeleted(sys));
        int shown = 0;
        f.Tree().SetRecoverSystemHandler(
            [&]
            {
                ++shown;
                return recovered && f.db.Model().RecoverSystem(sys);
            });
        f.prompter.QueueAnswers({answer});

        f.Tree().OpenSystem(sys, "Brake");
        QCOMPARE(f.prompter.Questions(),
                 QStringList({"All versions of the selected system have been deleted. Do you want "
                              "to recover the same?"}));
        for (const auto& e : f.prompter.entries)
            if (e.kind == CRecordingPrompter::Kind::Question)
                QCOMPARE(e.icon, CPrompter::Icon::Question);
        QCOMPARE(shown, answer ? 1 : 0);
        QCOMPARE(f.Tree().topLevelItemCount(), recovered ? 1 : 0);
        if (!answer)
        {
            for (int id : CMainFrame::FlagIds())
                QVERIFY(!f.frame.Flag(id));
            QVERIFY(!f.Tree().Flag(CloseSystem));
            QVERIFY(!f.Tree().Flag(RecoverSystem));
            QCOMPARE(f.frame.windowTitle(), QString("Toravin Model Vozezur"));
        }
    }

    void leftClickSetsRunWhenTheTreeHasItems()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        f.frame.SetFlag(RecoverHazard, true);
        QTest::mouseClick(f.Tree().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!f.Tree().Flag(Run));
        QVERIFY(f.Tree().Flag(AddNewSystem));
        QVERIFY(!f.frame.Flag(RecoverHazard));

        const int sys = f.db.AddSystem("Brake");
        f.Tree().OpenSystem(sys, "Brake");
        QVERIFY(!f.Tree().Flag(Run));
        f.frame.resize(1000, 800);
        QTest::mouseClick(f.Tree().viewport(), Qt::LeftButton, {},
                          QPoint(5, f.Tree().viewport()->height() - 5));
        QVERIFY(f.Tree().Flag(Run));
        QVERIFY(f.Tree().Flag(CloseSystem));
        QVERIFY(f.Tree().Flag(RecoverSystem));
    }

    void contextMenuByKind_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QStringList>("entries");
        const QString run = "Run                               F5:1";
        const QString report = "Risk Assessment Report:1";
        const QString copy = "Copy                          Ctrl+C:%1";
        const QString paste = "Paste                         Ctrl+P:%1";
        QTest::newRow("system") << "Brake (Version = 1)" << false
                                << QStringList{"Subsystem...:1", "Function...:1", "Hazard...:1",
                                               "Edit...:1",      "Delete:1",      run,
                                               report,           copy.arg(0),     paste.arg(0)};
        QTest::newRow("subsystem")
            << "Onboard" << true << QStringList{"Subsystem...:0", "Function...:1", "Hazard...:1",
                                                "Edit...:1",      "Delete:1",      run,
                                                report,           copy.arg(1),     paste.arg(1)};
        QTest::newRow("function") << "Enforce" << false
                                  << QStringList{"Subsystem...:0", "Function...:0", "Hazard...:1",
                                                 "Edit...:1",      "Delete:1",      run,
                                                 report,           copy.arg(1),     paste.arg(0)};
        QTest::newRow("hazard") << "Overspeed" << true
                                << QStringList{"Subsystem...:0", "Function...:0", "Hazard...:0",
                                               "Edit...:1",      "Delete:1",      run,
                                               report,           copy.arg(1),     paste.arg(1)};
    }
    void contextMenuByKind()
    {
        QFETCH(QString, item);
        QFETCH(bool, copied);
        QFETCH(QStringList, entries);
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        const int sub = f.db.AddSystem("Onboard", 1, 1, sys);
        f.db.AddSystem("Enforce", 1, 2, sub);
        f.db.AddHazard(sys, "Overspeed");
        QList<int> given;
        for (int id : {AddSubsystem, AddFunction, AddHazard, Edit, Delete, Report, Copy, Paste})
            f.Tree().SetCommandHandler(id, [&given, id] { given << id; });
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(f.Item(item));
        f.Tree().m_HasCopied = copied;

        std::unique_ptr<QMenu> menu(f.Tree().CreateContextMenu(f.Item(item), nullptr));
        QCOMPARE(menu->actions().first()->text(), QString("Add "));
        QCOMPARE(Entries(menu.get()), entries);
        // An entry gives its command through the frame, like the toolbar.
        for (QAction* a : menu->actions())
            if (a->data().toInt() == Edit)
                a->trigger();
        QCOMPARE(given, QList<int>{Edit});
    }

    void f1TopicsByKind_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("system") << "Brake (Version = 1)"
                                << "SYSTEM.html";
        QTest::newRow("subsystem") << "Onboard"
                                   << "ADD SUBSYSTEM.html";
        QTest::newRow("function") << "Enforce"
                                  << "ADD FUNCTION.html";
        QTest::newRow("hazard") << "Overspeed"
                                << "ADD HAZARD.html";
        QTest::newRow("none") << ""
                              << "LEFT VIEW.html";
    }
    void f1TopicsByKind()
    {
        QFETCH(QString, item);
        QFETCH(QString, page);
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        const int sub = f.db.AddSystem("Onboard", 1, 1, sys);
        f.db.AddSystem("Enforce", 1, 2, sub);
        f.db.AddHazard(sys, "Overspeed");
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(item.isEmpty() ? nullptr : f.Item(item));
        f.prompter.Clear();
        f.frame.show();
        f.Tree().setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        QTest::keyClick(&f.Tree(), Qt::Key_F1);
        QCOMPARE(f.helpPages, QStringList{page});
        QCOMPARE(f.prompter.StatusTexts(), QStringList{"Display the help information......."});
    }

    // F5 runs the selected version through the core run; the rows land in the three lists.
    void runFillsTheThreeLists()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        auto addHazardWithAccident = [&](const QString& name, const QString& accident)
        {
            const int haz = f.db.AddHazard(sys, name, 1e-6, 2.0);
            const int root =
                f.db.AddEvent(haz, "Signal passed", 0, ParentAction::Root, EventType::Event, 0.5);
            f.db.AddEvent(haz, accident, root, ParentAction::Yes, EventType::Accident, 0.0, 1.0,
                          1000000.0f);
        };
        addHazardWithAccident("Overspeed", "Collision");
        f.db.AddHazard(sys, "Quiet"); // no accident: left out of the lists
        addHazardWithAccident("Rollaway", "Derailment");
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(f.Item("Brake (Version = 1)"));
        f.prompter.Clear();
        f.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        f.Tree().setFocus();
        QTest::keyClick(&f.Tree(), Qt::Key_F5);

        QCOMPARE(f.prompter.StatusTexts().first(),
                 QString("Runs the system and display the output in the Result view......."));
        QCOMPARE(f.prompter.Messages(),
                 QStringList{"No associated accident found in the event tree for the selected "
                             "hazard -  Quiet"});
        const auto* results = f.app.m_pResultTabs;
        QCOMPARE(results->GetList(0)->rowCount(), 2);
        QCOMPARE(results->GetList(1)->rowCount(), 2);
        QCOMPARE(results->GetList(2)->rowCount(), 2);
        auto row = [&](int list, int r)
        {
            QStringList out;
            for (int c = 0; c < results->GetList(list)->columnCount(); ++c)
                out << results->GetList(list)->item(r, c)->text();
            return out;
        };
        QCOMPARE(row(0, 0), QStringList({"Brake", "1", "1", "H1 = Overspeed",
                                         "1.000e+00 Dollars/Train Mile"}));
        QCOMPARE(row(0, 1).at(2), QString("3"));
        QCOMPARE(row(1, 0), QStringList({"1", "1", "H1 = Overspeed",
                                         "HR1 = 1.000e-06 Per Train Mile", "A11 = Collision",
                                         "C11 = 5.000e-01", "AR11 = 1.000e-06 Per Train Mile"}));
        QCOMPARE(row(2, 1),
                 QStringList({"1", "3", "H3 = Rollaway", "HR3 = 1.000e-06 Per Train Mile",
                              "S31 = 1000000.00 Dollars", "CR31 = 1.000e+00 Dollars/Train Mile"}));
        QCOMPARE(f.Tree().SystemRun().m_HazardIndex, 3);
    }

    void showEventTreeNeedsAHazard()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const int sys = f.db.AddSystem("Brake");
        f.Tree().OpenSystem(sys, "Brake");
        f.Tree().setCurrentItem(f.Tree().topLevelItem(0));
        f.prompter.Clear();
        QVERIFY(f.frame.ExecuteCommand(ShowEventTree));
        QCOMPARE(f.prompter.StatusTexts(),
                 QStringList{"Displays the Event tree for the selected hazard......."});
        QCOMPARE(f.prompter.Messages(), QStringList{"Please select Hazard For event Tree"});
    }
};

QTEST_MAIN(TestLeftView)
#include "tst_LeftView.moc"
