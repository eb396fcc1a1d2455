#include "ShellFixture.h"

#include "common/CommandIds.h"
#include "common/DataPaths.h"
#include "common/DesktopOpener.h"
#include "event_tree_views/ui/DrawEventTreeView.h"
#include "event_tree_views/ui/EventTreeView.h"
#include "report/RiskReport.h"
#include "risk_analysis/ui/ResultListView.h"

#include "DocxReader.h"
#include "ModelBuilder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QtTest>

using namespace CommandId;

namespace
{
// Brake: "Overspeed" with a hand-built tree on the system, "Brake failure" taking its
// probabilities from the database on the function Braking.
struct CReportModel
{
    int system = 0, overspeed = 0, brakeFailure = 0;

    void Build(CModelDatabase& store)
    {
        CModelBuilder b(store);
        system = b.System("Brake", 1.0, 2);
        overspeed = b.Hazard(system, "Overspeed", 0.5, 2);
        const int event = b.Event(system, overspeed, 0, ParentAction::Root, "Signal passed", 0.5);
        b.Accident(system, overspeed, event, ParentAction::Yes, "Collision", 1, 4);
        const int braking = b.Child(system, "Braking", SystemType::Function);
        brakeFailure = b.Hazard(braking, "Brake failure", 0.5, 1, true);
        b.Accident(braking, brakeFailure, 0, ParentAction::Root, "LSC", 1, 4, 0.25);
        QVERIFY(system && overspeed && event && braking && brakeFailure);
    }
};

// The main window with the model, the opener recording the files it is given.
struct CReportFixture : CShellFixture
{
    CReportModel model;
    QList<QUrl> opened;

    CReportFixture()
    {
        model.Build(db.Model());
        CDesktopOpener::SetOpener(
            [this](const QUrl& url)
            {
                opened << url;
                return true;
            });
    }

    QStringList ReportFiles() const
    {
        return QDir(CDataPaths::ReportsDir()).entryList({"*.docx"}, QDir::Files);
    }
};
} // namespace

class TestTreeReport : public QObject
{
    Q_OBJECT

private slots:
    void reportFromTheTree_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("tabsBefore");
        QTest::addColumn<QStringList>("tabsAfter");
        QTest::addColumn<int>("tabAfter"); // the tab shown before the report, or the editor
        const QStringList both{"View Event Tree", "Create Event Tree"};
        const QStringList all = both + QStringList{"Accident Info"};
        // The menu and the toolbar share one action.
        QTest::newRow("menu, hand-built hazard") << "action"
                                                 << "Overspeed" << both << both << 1;
        // The accident information alone gives way to the two event tree tabs.
        QTest::newRow("context menu, standard hazard")
            << "context"
            << "Brake failure" << QStringList{"Accident Info"} << both << 1;
        QTest::newRow("command, function") << "command"
                                           << "Braking" << all << all << 0;
    }
    void reportFromTheTree()
    {
        QFETCH(QString, route);
        QFETCH(QString, selected);
        QFETCH(QStringList, tabsBefore);
        QFETCH(QStringList, tabsAfter);
        QFETCH(int, tabAfter);
        CReportFixture f;
        QVERIFY(f.ready);
        f.frame.resize(1000, 800);
        f.frame.show();
        f.Tree().OpenSystem(f.model.system, "Brake");
        f.Tree().setCurrentItem(f.Item(selected));
        QCOMPARE(f.RightTabLabels(), tabsBefore);
        f.prompter.Clear();
        QVERIFY(f.frame.Action(Report)->isEnabled());

        if (route == "action")
        {
            f.frame.Action(Report)->trigger();
        }
        else if (route == "context")
        {
            std::unique_ptr<QMenu> menu(f.Tree().CreateContextMenu(f.Item(selected), nullptr));
            QAction* entry = nullptr;
            for (QAction* a : menu->actions())
                if (a->data().toInt() == Report)
                    entry = a;
            QVERIFY(entry && entry->isEnabled());
            QCOMPARE(entry->text(), QString("Risk Assessment Report"));
            entry->trigger();
        }
        else
        {
            QVERIFY(f.frame.ExecuteCommand(Report));
        }

        // Saved under Reports/ and handed to the desktop once.
        QCOMPARE(f.ReportFiles().size(), 1);
        const QString path = QDir(CDataPaths::ReportsDir()).filePath(f.ReportFiles().first());
        QVERIFY(f.ReportFiles().first().startsWith("Brake v2 "));
        QCOMPARE(f.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        CDocxReader reader(path);
        QVERIFY(reader.IsValid());
        const QStringList paragraphs = CDocxReader::Paragraphs(reader.Part("word/document.xml"));
        QVERIFY(paragraphs.contains("Hazard# 1 - Overspeed"));
        QVERIFY(paragraphs.contains("Hazard# 2 - Brake failure"));
        QCOMPARE(paragraphs.count("Event Tree "), 1);
        QVERIFY(QFile::exists(
            QDir(CDataPaths::EventTreeDir()).filePath(QString("%1.bmp").arg(f.model.overspeed))));

        // The run came first, each hazard was shown while written, then the saved path.
        const QStringList status = f.prompter.StatusTexts();
        const qsizetype opens =
            status.indexOf("Opens the Risk Assessment report for the System.......");
        QVERIFY(opens >= 0);
        QCOMPARE(status.mid(opens + 1),
                 QStringList({"Risk Assessment Report: Hazard# 1 - Overspeed.......",
                              "Risk Assessment Report: Hazard# 2 - Brake failure.......",
                              "Risk Assessment Report saved as " + path}));
        QVERIFY(f.prompter.Messages().isEmpty());
        QVERIFY(f.app.m_pResultList->rowCount() > 0);

        // Afterwards the system version is selected and the event tree views are empty again.
        QCOMPARE(f.Tree().currentItem(), f.Item("Brake (Version = 2)"));
        QCOMPARE(f.app.m_CurrentHazardId, 0);
        QCOMPARE(f.app.m_pDiagramView->BuiltHazardId(), 0);
        QCOMPARE(f.app.m_pEditorView->BuiltHazardId(), 0);
        QCOMPARE(f.RightTabLabels(), tabsAfter);
        QCOMPARE(f.RightTabs().currentIndex(), tabAfter);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void eachHazardShownWhileWritten()
    {
        CReportFixture f;
        QVERIFY(f.ready);
        f.Tree().OpenSystem(f.model.system, "Brake");
        f.Tree().setCurrentItem(f.Item("Overspeed"));
        // What the window shows when the report announces a hazard.
        struct Seen
        {
            int tab, hazard, drawn;
            bool busy;
        };
        QList<Seen> seen;
        struct CPeek : CRecordingPrompter
        {
            std::function<void(const QString&)> onStatus;
            void ShowStatus(const QString& text) override
            {
                CRecordingPrompter::ShowStatus(text);
                onStatus(text);
            }
        } peek;
        peek.onStatus = [&](const QString& text)
        {
            if (text.contains("Hazard#"))
                seen << Seen{f.RightTabs().currentIndex(), f.app.m_CurrentHazardId,
                             f.app.m_pDiagramView->BuiltHazardId(),
                             QGuiApplication::overrideCursor() != nullptr};
        };
        QVERIFY(f.frame.ExecuteCommand(Report));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].hazard, f.model.overspeed);
        QCOMPARE(seen[0].drawn, f.model.overspeed);
        // A hazard taking its probabilities from the database has no diagram.
        QCOMPARE(seen[1].hazard, f.model.brakeFailure);
        QCOMPARE(seen[1].drawn, 0);
        for (const Seen& s : seen)
        {
            QCOMPARE(s.tab, 0);
            QVERIFY(s.busy);
        }
    }

    void notWithoutASystem()
    {
        CReportFixture f;
        QVERIFY(f.ready);
        // Nothing open: the command is greyed out and refused.
        QVERIFY(!f.frame.Action(Report)->isEnabled());
        QVERIFY(!f.frame.ExecuteCommand(Report));
        // Opened, nothing selected yet: still off until a selection enables it.
        f.Tree().OpenSystem(f.model.system, "Brake");
        f.Tree().setCurrentItem(nullptr);
        f.Tree().SetFlag(Report, false);
        QVERIFY(!f.frame.Action(Report)->isEnabled());
        f.Tree().setCurrentItem(f.Item("Braking"));
        QVERIFY(f.frame.Action(Report)->isEnabled());
        // Closed again: off.
        f.frame.OnClose();
        QVERIFY(!f.frame.Action(Report)->isEnabled());
        QVERIFY(!f.frame.ExecuteCommand(Report));
        QVERIFY(f.ReportFiles().isEmpty());
        QVERIFY(f.opened.isEmpty());
        QVERIFY(f.prompter.Messages().isEmpty());
    }

    void failureOpensNothing()
    {
        CReportFixture f;
        QVERIFY(f.ready);
        // A file where the Reports folder should be: the document cannot be written.
        QFile blocker(CDataPaths::ReportsDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.Tree().OpenSystem(f.model.system, "Brake");
        f.Tree().setCurrentItem(f.Item("Overspeed"));
        f.prompter.Clear();
        QVERIFY(f.frame.ExecuteCommand(Report));
        QCOMPARE(f.prompter.Messages().size(), 1);
        QVERIFY(f.prompter.Messages().first().startsWith(CRiskReport::WordFailureText + "\n"));
        QVERIFY(f.opened.isEmpty());
        QCOMPARE(f.app.m_CurrentHazardId, 0);
        QCOMPARE(f.app.m_pDiagramView->BuiltHazardId(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void offscreenOpensNothingByDefault()
    {
        // Without an installed opener nothing is launched where there is no display.
        CDesktopOpener::SetOpener({});
        QVERIFY(!CDesktopOpener::HasDisplay());
        QVERIFY(!CDesktopOpener::Open(QUrl::fromLocalFile(QDir::temp().filePath("none.docx"))));
    }
};

QTEST_MAIN(TestTreeReport)
#include "tst_TreeReport.moc"
