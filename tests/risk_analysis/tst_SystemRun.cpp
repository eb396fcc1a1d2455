#include "ModelBuilder.h"
#include "RecordingPrompter.h"
#include "TestDatabases.h"
#include "common/ApplicationState.h"
#include "model_store/ModelDatabase.h"
#include "risk_analysis/ResultSink.h"
#include "risk_analysis/RunResultsValid.h"
#include "risk_analysis/SystemRun.h"

#include <QtTest>

namespace
{
// Keeps the rows in the order they arrive, each with the list it went to.
class CRecordingSink : public CResultSink
{
public:
    struct Entry
    {
        QChar list; // R(esult), A(ccident rates), C(ollective risks)
        ResultRow row;
    };
    void ClearResults() override { entries.clear(), ++clears; }
    void AddResultRow(const ResultRow& row) override { entries.append({u'R', row}); }
    void AddAccidentRateRow(const ResultRow& row) override { entries.append({u'A', row}); }
    void AddCollectiveRiskRow(const ResultRow& row) override { entries.append({u'C', row}); }

    QList<ResultRow> Rows(QChar list) const
    {
        QList<ResultRow> rows;
        for (const Entry& e : entries)
            if (e.list == list)
                rows.append(e.row);
        return rows;
    }
    QString Lists() const
    {
        QString s;
        for (const Entry& e : entries)
            s += e.list;
        return s;
    }
    QList<Entry> entries;
    int clears = 0;
};
} // namespace

class TestSystemRun : public QObject
{
    Q_OBJECT

    CTestDatabases m_Db;
    CApplicationState& m_State = m_Db.State();
    int m_Count = 0;

    CModelDatabase& Store() { return m_Db.Model(); }

    // A fresh system for each case, so that names and numbers never meet.
    int NewSystem(double aspl, int version = 1)
    {
        return CModelBuilder(Store()).System(QString("System %1").arg(++m_Count), aspl, version);
    }

    // The 1e-6 / 2 / 0.5 / 1e6 example under the system sysId.
    void AddExampleHazard(int sysId, const QString& name)
    {
        CModelBuilder b(Store());
        const int h = b.Hazard(sysId, name, 1e-6, 2);
        const int e = b.Event(sysId, h, 0, ParentAction::Root, "Driver brakes", 0.5);
        b.Accident(sysId, h, e, ParentAction::No, "Collision", 1, 1000000.0f);
    }

    CRecordingSink Run(int sysId, CSystemRun::Walk walk = CSystemRun::Walk::LoadedOnce,
                       CSystemRun* reuse = nullptr)
    {
        CRecordingSink sink;
        CSystemList rows;
        Store().GetSystem(rows, sysId);
        m_State.m_OpenSystemId = sysId;
        m_State.m_OpenSystemName = rows.value(0).Sys_Name;
        CSystemRun local(m_State);
        CSystemRun& run = reuse ? *reuse : local;
        run.SetResultSink(&sink);
        run.SetWalk(walk);
        run.RunSystem();
        run.SetResultSink(nullptr);
        return sink;
    }

private slots:
    void initTestCase() { QVERIFY(m_Db.IsValid()); }

    void exampleHazard_data()
    {
        QTest::addColumn<double>("aspl");
        QTest::addColumn<int>("walk");
        QTest::addColumn<bool>("tolerable");
        QTest::newRow("ASPL 1, loaded") << 1.0 << int(CSystemRun::Walk::LoadedOnce) << true;
        QTest::newRow("ASPL 1, per step") << 1.0 << int(CSystemRun::Walk::StatementPerStep) << true;
        QTest::newRow("ASPL 0.999") << 0.999 << int(CSystemRun::Walk::LoadedOnce) << false;
    }
    void exampleHazard()
    {
        QFETCH(double, aspl);
        QFETCH(int, walk);
        QFETCH(bool, tolerable);
        const int sys = NewSystem(aspl);
        AddExampleHazard(sys, "Brake failure");
        CRecordingPrompter prompter;
        CSystemRun run(m_State);
        const CRecordingSink sink = Run(sys, CSystemRun::Walk(walk), &run);

        QVERIFY(prompter.entries.isEmpty());
        QVERIFY(g_RunResultsValid);
        QCOMPARE(sink.Lists(), QString("ACR"));
        const ResultRow a = sink.Rows(u'A').at(0);
        QCOMPARE(a.HazardNumber, QString("1"));
        QCOMPARE(a.HazardLabel, QString("H1 = Brake failure"));
        QCOMPARE(a.RateText, QString("HR1 = 1.000e-06 Per Train Mile"));
        QCOMPARE(a.AccidentLabel, QString("A11 = Collision"));
        QCOMPARE(a.ProbabilityText, QString("C11 = 5.000e-01"));
        QCOMPARE(a.AccidentRateText, QString("AR11 = 1.000e-06 Per Train Mile"));
        QCOMPARE(a.CostText, QString("S11 = 1000000.00 Dollars"));
        QCOMPARE(a.RiskText, QString("CR11 = 1.000e+00 Dollars/Train Mile"));
        const QString limit = aspl == 1.0 ? "1.000e+00" : "9.990e-01";
        QCOMPARE(a.LimitText, limit + " Dollars/Train Mile");
        QCOMPARE(a.VersionText, QString("1"));
        QVERIFY(a.TotalRiskText.isEmpty());

        const ResultRow r = sink.Rows(u'R').at(0);
        QCOMPARE(r.TotalRiskText, QString("1.000e+00 Dollars/Train Mile"));
        QCOMPARE(r.LimitText, limit + " Dollars/Train Mile");
        QVERIFY(r.AccidentLabel.isEmpty() && r.RateText.isEmpty());

        QCOMPARE(run.m_AsplText, limit);
        QCOMPARE(run.m_HazardIndex, 1);
        QCOMPARE(run.m_AccidentIndex, 1);
        QCOMPARE(run.m_RunVersion, 1);
        if (tolerable)
        {
            QCOMPARE(run.m_TolerableRateText, QString("1.000e-06"));
            QCOMPARE(run.m_SummaryList.size(), 1);
            QCOMPARE(run.m_SummaryList[0].ValueA, 1e-6);
            QVERIFY(run.m_SummaryList[0].HazardId > 0);
            QVERIFY(run.m_SummaryList[0].Label.isEmpty());
        }
        else
        {
            QCOMPARE(run.m_TolerableRateText, QString("Initial Hazard Rate Not Acceptable"));
            QVERIFY(run.m_SummaryList.isEmpty());
        }
    }

    void asplComparedAsItsText()
    {
        // 1.2344e-5 reads 1.234e-05; a total of 1.2342e-5 is above that.
        const int sys = NewSystem(1.2344e-5);
        CModelBuilder b(Store());
        const int h = b.Hazard(sys, "Close to the limit", 1.2342e-5, 1);
        b.Accident(sys, h, 0, ParentAction::Root, "Derailment", 1, 1.0f);
        CSystemRun run(m_State);
        Run(sys, CSystemRun::Walk::LoadedOnce, &run);
        QCOMPARE(run.m_AsplText, QString("1.234e-05"));
        QCOMPARE(run.m_TolerableRateText, QString("Initial Hazard Rate Not Acceptable"));
    }

    void hazardsTwoLevelsDown()
    {
        const int sys = NewSystem(1.0);
        CModelBuilder b(Store());
        const int sub = b.Child(sys, "Braking", SystemType::Subsystem);
        const int fn = b.Child(sub, "Penalty brake", SystemType::Function);
        AddExampleHazard(fn, "First");
        AddExampleHazard(fn, "Second");
        const CRecordingSink sink = Run(sys);
        const QList<ResultRow> rows = sink.Rows(u'R');
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].HazardLabel, QString("H1 = First"));
        QCOMPARE(rows[1].HazardLabel, QString("H2 = Second"));
        QCOMPARE(sink.Lists(), QString("ACRACR"));
    }

    void functionCreatedBeforeSubsystem()
    {
        // Children run in identifier order, whatever their kind; own hazards come first.
        const int sys = NewSystem(1.0);
        CModelBuilder b(Store());
        const int fn = b.Child(sys, "Function first", SystemType::Function);
        const int sub = b.Child(sys, "Subsystem second", SystemType::Subsystem);
        const int subFn = b.Child(sub, "Its function", SystemType::Function);
        AddExampleHazard(subFn, "Deepest");
        AddExampleHazard(sub, "Of the subsystem");
        AddExampleHazard(fn, "Of the function");
        AddExampleHazard(sys, "Of the system");
        const QList<ResultRow> rows = Run(sys).Rows(u'R');
        QStringList labels;
        for (const ResultRow& r : rows)
            labels << r.HazardLabel;
        QCOMPARE(labels, QStringList({"H1 = Of the system", "H2 = Of the function",
                                      "H3 = Of the subsystem", "H4 = Deepest"}));
    }

    void cutOffAccidents()
    {
        const int sys = NewSystem(1.0);
        CModelBuilder b(Store());
        // Hazard 1: accidents live, cut off, live -> A11 and A12.
        const int h1 = b.Hazard(sys, "Partly cut", 1e-6, 1);
        const int e1 = b.Event(sys, h1, 0, ParentAction::Root, "E1", 0.5);
        b.Accident(sys, h1, e1, ParentAction::Yes, "First", 1, 1);
        const int e2 = b.Event(sys, h1, e1, ParentAction::No, "E2", 0.5);
        b.Accident(sys, h1, e2, ParentAction::Yes, "Cut off", 1, 1);
        b.Accident(sys, h1, e2, ParentAction::No, "Also cut off", 1, 1);
        QVERIFY(Store().MarkEventDeleted(e2));
        const int e3 = b.Event(sys, h1, 0, ParentAction::Root, "E3", 0.5); // second root, live
        b.Accident(sys, h1, e3, ParentAction::No, "Third", 1, 1);
        // Hazard 2: every accident cut off.
        const int h2 = b.Hazard(sys, "All cut", 1e-6, 1);
        const int f1 = b.Event(sys, h2, 0, ParentAction::Root, "F1", 0.5);
        b.Accident(sys, h2, f1, ParentAction::Yes, "Gone", 1, 1);
        QVERIFY(Store().MarkEventDeleted(f1));
        // Hazard 3: runs on.
        AddExampleHazard(sys, "After");

        CRecordingPrompter prompter;
        const CRecordingSink sink = Run(sys);
        QStringList labels;
        for (const ResultRow& r : sink.Rows(u'A'))
            labels << r.AccidentLabel;
        QCOMPARE(labels, QStringList({"A11 = First", "A12 = Third", "A31 = Collision"}));
        const QList<ResultRow> result = sink.Rows(u'R');
        QCOMPARE(result.size(), 2);
        QCOMPARE(result[0].HazardNumber, QString("1"));
        QCOMPARE(result[1].HazardNumber, QString("3"));
        QCOMPARE(prompter.Messages(),
                 QStringList("No associated accident found in the event tree for the selected "
                             "hazard -  All cut"));
        QCOMPARE(prompter.entries[0].icon, CPrompter::Icon::Information);
        QCOMPARE(prompter.entries[0].caption, QString("Toravin Model Vozezur"));
        QCOMPARE(prompter.StatusTexts(), QStringList("No accident found in the event tree......."));
    }

    void hazardWithoutAccidentsClearsTheFlag()
    {
        // The hazard still counts as run, so the completed run sets the flag again.
        const int sys = NewSystem(1.0);
        CModelBuilder b(Store());
        b.Hazard(sys, "Empty tree", 1e-6, 1);
        CRecordingPrompter prompter;
        CSystemRun run(m_State);
        bool finished = false;
        run.SetRunFinished([&] { finished = true; });
        const CRecordingSink sink = Run(sys, CSystemRun::Walk::LoadedOnce, &run);
        QVERIFY(sink.entries.isEmpty());
        QCOMPARE(prompter.Messages().size(), 1);
        QVERIFY(finished);
        QVERIFY(g_RunResultsValid);
        // TCR 0 against a non-negative limit: a summary all the same.
        QCOMPARE(run.m_SummaryList.size(), 1);
    }

    void databaseProbabilities()
    {
        const int sys = NewSystem(1.0);
        CModelBuilder b(Store());
        const int h = b.Hazard(sys, "Standard", 1e-6, 1, true);
        const int root = b.Event(sys, h, 0, ParentAction::Root, "Standard_Event", 0.3);
        b.Accident(sys, h, root, ParentAction::Yes, "Standard_Event_LSC", 2, 100.0f, 0.02);
        const ResultRow a = Run(sys).Rows(u'A').at(0);
        QCOMPARE(a.ProbabilityText, QString("C11 = 2.000e-02"));
        QCOMPARE(a.AccidentRateText, QString("AR11 = 4.000e-08 Per Train Mile"));
    }

    void labelsRunBackToBack()
    {
        // Twelve accidents on a chain of events: the twelfth of hazard 1 is A112.
        const int sys = NewSystem(1.0);
        CModelBuilder b(Store());
        const int h = b.Hazard(sys, "Chain", 1e-6, 1);
        int parent = 0;
        int branch = ParentAction::Root;
        for (int i = 1; i <= 11; ++i)
        {
            const int e = b.Event(sys, h, parent, branch, QString("E%1").arg(i), 0.5);
            b.Accident(sys, h, e, ParentAction::No, QString("Acc%1").arg(i), 1, 1);
            parent = e;
            branch = ParentAction::Yes;
        }
        b.Accident(sys, h, parent, branch, "Acc12", 1, 1);
        const QList<ResultRow> rows = Run(sys).Rows(u'C');
        QCOMPARE(rows.size(), 12);
        QCOMPARE(rows[11].AccidentLabel, QString("A112 = Acc12"));
        QCOMPARE(rows[11].CostText, QString("S112 = 1.00 Dollars"));
        QVERIFY(rows[11].RiskText.startsWith("CR112 = "));
    }

    void systemWithoutHazards()
    {
        const int sys = NewSystem(1.0, 3);
        CRecordingPrompter prompter;
        bool finished = false;
        CSystemRun run(m_State);
        run.SetRunFinished([&] { finished = true; });
        Run(sys, CSystemRun::Walk::LoadedOnce, &run);
        QCOMPARE(prompter.Messages(),
                 QStringList(QString("The following system does not have an associated hazard "
                                     "to run\nSystem %1 (Version = 3)")
                                 .arg(m_Count)));
        QCOMPARE(prompter.StatusTexts(), QStringList("No hazard for the system to run......."));
        QVERIFY(!g_RunResultsValid);
        QVERIFY(!finished);
    }

    void noSystemToRun()
    {
        CRecordingPrompter prompter;
        const CRecordingSink sink = Run(987654);
        QCOMPARE(prompter.Messages(),
                 QStringList({"Please select a System to run",
                              "The following system does not have an associated hazard to run"}));
        QVERIFY(!g_RunResultsValid);

        prompter.Clear();
        CSystemRun run(m_State);
        run.SetHasRootItem([] { return false; });
        CRecordingSink noRoot;
        run.SetResultSink(&noRoot);
        run.OnRun();
        QCOMPARE(prompter.StatusTexts(),
                 QStringList("Runs the system and display the output in the Result view......."));
        QCOMPARE(prompter.Messages(), QStringList("Please select a System to run"));
        QCOMPARE(noRoot.clears, 1);
    }

    void bothWalksGiveTheSameRows()
    {
        // Hazards on the system and two levels down, a soft-deleted event and hazard, a
        // hazard without a tree.
        const int sys = NewSystem(0.5);
        CModelBuilder b(Store());
        const int sub = b.Child(sys, "Sub", SystemType::Subsystem);
        const int fn = b.Child(sub, "Fn", SystemType::Function);
        for (int owner : {sys, sub, fn})
        {
            for (int n = 0; n < 3; ++n)
            {
                const int h =
                    b.Hazard(owner, QString("H%1.%2").arg(owner).arg(n), 3e-7 * (n + 1), 1.5);
                const int e1 = b.Event(owner, h, 0, ParentAction::Root, "E1", 0.37);
                const int e2 = b.Event(owner, h, e1, ParentAction::No, "E2", 0.11);
                b.Accident(owner, h, e1, ParentAction::Yes, "A1", 0.9, 12345.5f);
                b.Accident(owner, h, e2, ParentAction::Yes, "A2", 1.1, 99999.25f);
                const int e3 = b.Event(owner, h, e2, ParentAction::No, "E3", 0.73);
                b.Accident(owner, h, e3, ParentAction::No, "A3", 1, 5e6f);
                if (n == 1)
                    QVERIFY(Store().MarkEventDeleted(e3));
                if (n == 2 && owner == sub)
                    QVERIFY(Store().MarkHazardDeleted(h));
            }
        }
        b.Hazard(fn, "No tree", 1e-6, 1);
        CRecordingPrompter prompter;
        const CRecordingSink loaded = Run(sys, CSystemRun::Walk::LoadedOnce);
        const CRecordingSink stepwise = Run(sys, CSystemRun::Walk::StatementPerStep);
        QCOMPARE(loaded.entries.size(), stepwise.entries.size());
        QVERIFY(loaded.entries.size() > 20);
        for (qsizetype i = 0; i < loaded.entries.size(); ++i)
        {
            const ResultRow& x = loaded.entries[i].row;
            const ResultRow& y = stepwise.entries[i].row;
            QCOMPARE(loaded.entries[i].list, stepwise.entries[i].list);
            QCOMPARE(x.AccidentLabel, y.AccidentLabel);
            QCOMPARE(x.ProbabilityText, y.ProbabilityText);
            QCOMPARE(x.RiskText, y.RiskText);
            QCOMPARE(x.AccidentRateText, y.AccidentRateText);
            QCOMPARE(x.TotalRiskText, y.TotalRiskText);
        }
    }

    void unitsOfTheOpenSystem()
    {
        CModelBuilder b(Store());
        const int sys = b.System(QString("Units %1").arg(++m_Count), 1.0, 1, "Car Mile", "Euros");
        AddExampleHazard(sys, "Unit check");
        const ResultRow a = Run(sys).Rows(u'C').at(0);
        QCOMPARE(a.RateText, QString("HR1 = 1.000e-06 Per Car Mile"));
        QCOMPARE(a.CostText, QString("S11 = 1000000.00 Euros"));
        QCOMPARE(a.RiskText, QString("CR11 = 1.000e+00 Euros/Car Mile"));
    }
};

QTEST_GUILESS_MAIN(TestSystemRun)
#include "tst_SystemRun.moc"
