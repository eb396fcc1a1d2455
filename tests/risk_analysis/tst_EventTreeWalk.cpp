#include "ModelBuilder.h"
#include "RecordingPrompter.h"
#include "TestDatabases.h"
#include "model_store/ModelDatabase.h"
#include "risk_analysis/LoadedEventTreeWalk.h"
#include "risk_analysis/ProbabilityText.h"
#include "risk_analysis/StepwiseEventTreeWalk.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>

class TestEventTreeWalk : public QObject
{
    Q_OBJECT

    CTestDatabases m_Db;
    CModelDatabase& m_Store = m_Db.Model();
    int m_Sys = 0;

    std::unique_ptr<CEventTreeWalk> MakeWalk(const QString& kind)
    {
        if (kind == "loaded")
            return std::make_unique<CLoadedEventTreeWalk>(m_Store);
        return std::make_unique<CStepwiseEventTreeWalk>(m_Store);
    }
    static void AddWalkColumn()
    {
        QTest::addColumn<QString>("walk");
        QTest::newRow("statement per step") << "stepwise";
        QTest::newRow("loaded once") << "loaded";
    }
    CHazard HazardRow(int hazId)
    {
        CHazardList list;
        m_Store.GetHazard(list, hazId);
        return list.value(0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Db.IsValid());
        m_Sys = CModelBuilder(m_Store).System("Walks");
        QVERIFY(m_Sys > 0);
    }

    void accidentProbabilities_data() { AddWalkColumn(); }
    void accidentProbabilities()
    {
        QFETCH(QString, walk);
        CModelBuilder b(m_Store);
        auto w = MakeWalk(walk);

        // Directly under the hazard: 1.
        const int h1 = b.Hazard(m_Sys, "root accident " + walk, 1e-6, 1);
        const int a1 = b.Accident(m_Sys, h1, 0, ParentAction::Root, "A", 1, 1);
        // No branch of the only event with p = 0.3: 0.7.
        const int h2 = b.Hazard(m_Sys, "no branch " + walk, 1e-6, 1);
        const int e2 = b.Event(m_Sys, h2, 0, ParentAction::Root, "E", 0.3);
        const int a2 = b.Accident(m_Sys, h2, e2, ParentAction::No, "A", 1, 1);
        // Yes of p = 0.3, then No of p = 0.2: 0.24.
        const int h3 = b.Hazard(m_Sys, "two levels " + walk, 1e-6, 1);
        const int e31 = b.Event(m_Sys, h3, 0, ParentAction::Root, "E1", 0.3);
        const int e32 = b.Event(m_Sys, h3, e31, ParentAction::Yes, "E2", 0.2);
        const int a3 = b.Accident(m_Sys, h3, e32, ParentAction::No, "A", 1, 1);
        QVERIFY(a1 && a2 && a3);

        CEventTreeList list;
        QVERIFY(m_Store.GetEvent(list, a1) && m_Store.GetEvent(list, a2) &&
                m_Store.GetEvent(list, a3));
        QCOMPARE(w->PathProbability(h1, list[0]), 1.0);
        QCOMPARE(w->PathProbability(h2, list[1]), 0.7);
        QCOMPARE(w->PathProbability(h3, list[2]), 0.3 * 0.8);
        QCOMPARE(w->SafeStateProbability(h3), 1 - 0.3 * 0.8);
        // Asked with the wrong hazard, the walk finds no parent and leaves the value.
        QCOMPARE(w->PathProbability(h2, list[2]), 1.0);
    }

    void databaseProbabilities_data() { AddWalkColumn(); }
    void databaseProbabilities()
    {
        QFETCH(QString, walk);
        CModelBuilder b(m_Store);
        auto w = MakeWalk(walk);
        const int h = b.Hazard(m_Sys, "from database " + walk, 1e-6, 1, true);
        const int e = b.Event(m_Sys, h, 0, ParentAction::Root, "H_Event", 0.3);
        const int a = b.Accident(m_Sys, h, e, ParentAction::Yes, "H_Event_LSC", 1, 1, 0.0125);
        CEventTreeList list;
        QVERIFY(m_Store.GetEvent(list, a));
        QCOMPARE(w->AccidentProbability(HazardRow(h), list[0]), 0.0125);
        // The safe state always takes the path.
        QCOMPARE(w->SafeStateProbability(h), 1 - 0.3);
    }

    void softDeletes_data() { AddWalkColumn(); }
    void softDeletes()
    {
        QFETCH(QString, walk);
        CModelBuilder b(m_Store);
        const int h = b.Hazard(m_Sys, "soft deletes " + walk, 1e-6, 1);
        const int e1 = b.Event(m_Sys, h, 0, ParentAction::Root, "E1", 0.5);
        const int e2 = b.Event(m_Sys, h, e1, ParentAction::Yes, "E2", 0.4);
        const int below = b.Accident(m_Sys, h, e2, ParentAction::Yes, "below deleted", 1, 1);
        const int live = b.Accident(m_Sys, h, e1, ParentAction::No, "live", 1, 1);
        const int e3 = b.Event(m_Sys, h, e2, ParentAction::No, "E3", 0.9);
        const int own = b.Accident(m_Sys, h, e3, ParentAction::Yes, "own row deleted", 1, 1);
        QVERIFY(m_Store.MarkEventDeleted(e2) && m_Store.MarkEventDeleted(own));

        auto w = MakeWalk(walk);
        QVERIFY(w->HasDeletedAncestor(below));
        QVERIFY(w->HasDeletedAncestor(own));
        QVERIFY(!w->HasDeletedAncestor(live));
        QVERIFY(w->HasDeletedAncestor(987654)); // no such node
        const CEventTreeList counted = w->CountedAccidents(h);
        QCOMPARE(counted.size(), 1);
        QCOMPARE(counted[0].Event_ID, live);
        QCOMPARE(w->SafeStateProbability(h), 0.5);
        CEventTreeList all;
        QVERIFY(w->GetAccidents(all, h));
        QCOMPARE(all.size(), 3); // deleted ones are listed too
    }

    void safeStateWithoutAccidents_data() { AddWalkColumn(); }
    void safeStateWithoutAccidents()
    {
        QFETCH(QString, walk);
        CModelBuilder b(m_Store);
        const int h = b.Hazard(m_Sys, "no accidents " + walk, 1e-6, 1);
        const int e1 = b.Event(m_Sys, h, 0, ParentAction::Root, "E1", 0.5);
        b.Event(m_Sys, h, e1, ParentAction::No, "E2", 0.5);
        auto w = MakeWalk(walk);
        QCOMPARE(w->SafeStateProbability(h), 1.0);
        QCOMPARE(FormatProbabilityText(w->SafeStateProbability(h)), QString("1"));
    }

    void probabilityText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5 << "0.5";
        QTest::newRow("quarter") << 0.25 << "0.25";
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("rounds to zero") << 0.0000001 << "0";
        QTest::newRow("six digits") << 0.1234567 << "0.123457";
        QTest::newRow("rounds to one") << 0.9999999 << "1";
        QTest::newRow("just below zero") << -2.2e-16 << "0";
    }
    void probabilityText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatProbabilityText(value), text);
    }

    // Random trees with random soft deletes: both walks give bit-identical answers.
    void walksAgreeOnRandomTrees()
    {
        QRandomGenerator random(20261211);
        CModelBuilder b(m_Store);
        QList<int> hazards;
        QVERIFY(m_Store.BeginTransaction());
        for (int t = 0; t < 40; ++t)
        {
            const int h = b.Hazard(m_Sys, QString("random %1").arg(t), 1e-5, 2);
            hazards.append(h);
            // Grow the tree breadth first over open branches.
            struct Open
            {
                int parent;
                int branch;
                int depth;
            };
            QList<Open> open{{0, ParentAction::Root, 0}};
            while (!open.isEmpty())
            {
                const Open o = open.takeFirst();
                const int roll = int(random.bounded(10));
                if (o.depth > 0 && roll < 2)
                    continue; // safe end
                if (o.depth >= 6 || roll < 5)
                {
                    const int a = b.Accident(m_Sys, h, o.parent, o.branch, "A", 1, 1);
                    if (random.bounded(8) == 0)
                        m_Store.MarkEventDeleted(a);
                    continue;
                }
                const int e = b.Event(m_Sys, h, o.parent, o.branch, "E", random.generateDouble());
                if (random.bounded(10) == 0)
                    m_Store.MarkEventDeleted(e);
                open.append({e, ParentAction::Yes, o.depth + 1});
                open.append({e, ParentAction::No, o.depth + 1});
            }
        }
        QVERIFY(m_Store.CommitTransaction());

        CStepwiseEventTreeWalk stepwise(m_Store);
        CLoadedEventTreeWalk loaded(m_Store);
        int compared = 0;
        for (int h : hazards)
        {
            CEventTreeList a1, a2;
            QVERIFY(stepwise.GetAccidents(a1, h) && loaded.GetAccidents(a2, h));
            QCOMPARE(a1.size(), a2.size());
            for (qsizetype i = 0; i < a1.size(); ++i)
            {
                QCOMPARE(a1[i].Event_ID, a2[i].Event_ID);
                QCOMPARE(stepwise.HasDeletedAncestor(a1[i].Event_ID),
                         loaded.HasDeletedAncestor(a2[i].Event_ID));
                const double p1 = stepwise.PathProbability(h, a1[i]);
                const double p2 = loaded.PathProbability(h, a2[i]);
                QVERIFY2(p1 == p2,
                         qPrintable(QString("%1 != %2").arg(p1, 0, 'g', 17).arg(p2, 0, 'g', 17)));
                ++compared;
            }
            const double s1 = stepwise.SafeStateProbability(h);
            const double s2 = loaded.SafeStateProbability(h);
            QVERIFY(s1 == s2);
        }
        QVERIFY(compared > 100);

        // The run reads a System row's trees with one query; its rows equal the reference's.
        QList<int> prepared = hazards.mid(0, 10);
        CLoadedEventTreeWalk batch(m_Store);
        batch.Prepare(m_Sys, prepared);
        for (int h : prepared)
        {
            CEventTreeList list;
            QVERIFY(batch.GetAccidents(list, h));
            for (const CEventTree& a : list)
            {
                QCOMPARE(batch.HasDeletedAncestor(a.Event_ID),
                         stepwise.HasDeletedAncestor(a.Event_ID));
                QVERIFY(batch.PathProbability(h, a) == stepwise.PathProbability(h, a));
            }
        }
    }

    void storeFailureEndsTheWalk()
    {
        // A closed store fails every query: the walks keep the value and count nodes as live.
        CModelDatabase closed;
        CRecordingPrompter prompter;
        CStepwiseEventTreeWalk stepwise(closed);
        CLoadedEventTreeWalk loaded(closed);
        double v1 = 0.5, v2 = 0.5;
        stepwise.AccumulatePathProbability(1, 1, ParentAction::Yes, v1);
        loaded.AccumulatePathProbability(1, 1, ParentAction::Yes, v2);
        QCOMPARE(v1, 0.5);
        QCOMPARE(v2, 0.5);
        QVERIFY(!stepwise.HasDeletedAncestor(1));
        QVERIFY(!loaded.HasDeletedAncestor(1));
    }
};

QTEST_GUILESS_MAIN(TestEventTreeWalk)
#include "tst_EventTreeWalk.moc"
