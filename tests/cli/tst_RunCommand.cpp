#include "ModelBuilder.h"
#include "history/HistoryDatabase.h"
#include "model_store/ModelDatabase.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestRunCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    struct Outcome
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Outcome Quillon(const QStringList& args, const QString& dataDir = QString())
    {
        QProcess process;
        process.start(QUILLON_BINARY_DIR "/src/quillon",
                      QStringList{"--data", dataDir.isEmpty() ? m_Dir.path() : dataDir} + args);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // Version 1 and 2 live, version 3 in the recycle area; hazard "Empty" has no accident.
    void WriteModel()
    {
        CModelDatabase store;
        QVERIFY(store.Open(m_Dir.filePath("Data/Quillon.mdb")));
        CModelBuilder b(store);
        for (int version = 1; version <= 3; ++version)
        {
            const int sys = b.System("Line A", 1.0, version);
            const int h = b.Hazard(sys, "Brake failure", version * 1e-6, 2);
            const int e = b.Event(sys, h, 0, ParentAction::Root, "Driver brakes", 0.5);
            b.Accident(sys, h, e, ParentAction::No, "Collision", 1, 1000000.0f);
            b.Hazard(sys, "Empty", 1e-6, 1);
            if (version == 3)
                QVERIFY(store.MarkSystemDeleted(sys));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Dir.isValid());
        const Outcome init = Quillon({"init"});
        QCOMPARE(init.exitCode, 0);
        WriteModel();
    }

    void printsTheThreeLists()
    {
        const Outcome run = Quillon({"run", "Line A", "--version", "1"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.out,
            QString("[Result]\n"
                    "System Name\tVersion\tHazard Number\tHazard Name(Hj)\tTotal Collective Risk\n"
                    "Line A\t1\t1\tH1 = Brake failure\t1.000e+00 Dollars/Train Mile\n"
                    "[Accident Rates]\n"
                    "Version\tHazard Number\tHazard Name(Hj)\tInitial Hazard Rate(HRj)\t"
                    "Accident(Ajk)\tAccident Probability(Cjk)\tAccident Rate(ARjk)\n"
                    "1\t1\tH1 = Brake failure\tHR1 = 1.000e-06 Per Train Mile\t"
                    "A11 = Collision\tC11 = 5.000e-01\tAR11 = 1.000e-06 Per Train Mile\n"
                    "[Collective Risks]\n"
                    "Version\tHazard Number\tHazard Name(Hj)\tInitial Hazard Rate(HRj)\t"
                    "Adjusted Cost Per Mile\tCollective risk(CRjk)\n"
                    "1\t1\tH1 = Brake failure\tHR1 = 1.000e-06 Per Train Mile\t"
                    "S11 = 1000000.00 Dollars\tCR11 = 1.000e+00 Dollars/Train Mile\n"));
        QCOMPARE(
            run.err,
            QString("status: Runs the system and display the output in the Result view.......\n"
                    "message: No associated accident found in the event tree for the "
                    "selected hazard -  Empty\n"
                    "status: No accident found in the event tree.......\n"));
    }

    void highestLiveVersionByDefault()
    {
        const Outcome run = Quillon({"run", "Line A"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("\n2\t1\tH1 = Brake failure\tHR1 = 2.000e-06 Per Train Mile"),
                 qPrintable(run.out));
    }

    void json()
    {
        const Outcome run = Quillon({"run", "Line A", "--version", "2", "--format", "json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(root.value("Result").toArray().size(), 1);
        QCOMPARE(root.value("Collective Risks")
                     .toArray()
                     .at(0)
                     .toObject()
                     .value("Collective risk(CRjk)")
                     .toString(),
                 QString("CR11 = 2.000e+00 Dollars/Train Mile"));
    }

    void noSuchLiveVersion_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("recycled version") << QStringList{"run", "Line A", "--version", "3"};
        QTest::newRow("unknown version") << QStringList{"run", "Line A", "--version", "9"};
        QTest::newRow("unknown name") << QStringList{"run", "Line B"};
    }
    void noSuchLiveVersion()
    {
        QFETCH(QStringList, args);
        const Outcome run = Quillon(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("message: No live system \"Line"));
    }

    void demo()
    {
        QTemporaryDir dir;
        QCOMPARE(Quillon({"demo"}, dir.path()).exitCode, 0);
        const QString name = "Onboard Braking and Train Separation Protection";
        const Outcome latest = Quillon({"run", name}, dir.path());
        QCOMPARE(latest.exitCode, 0);
        const QStringList sections = latest.out.split("[Accident Rates]\n");
        QCOMPARE(sections.size(), 2);
        QCOMPARE(sections[0].count('\n'), 2 + 5); // five hazards, two levels deep
        QVERIFY(latest.out.contains(
            "\tA41 = Undetected train separation_Event_LSC\tC41 = 2.100e-03\t"));
        // The removed branch of the penalty brake hazard is not counted.
        QVERIFY(!latest.out.contains("Overrun at platform end"));
        QCOMPARE(Quillon({"run", name, "--version", "1"}, dir.path()).exitCode, 0);
        QCOMPARE(Quillon({"run", name, "--version", "3"}, dir.path()).exitCode, 2);
        // A second demo never overwrites the data folder.
        QCOMPARE(Quillon({"demo"}, dir.path()).exitCode, 1);

        CHistoryDatabase history;
        QVERIFY(history.Open(dir.filePath("Data/QuillonHistory.mdb")));
        CAccidentHistoryReportInfoList types;
        CEventHistoryReportList events;
        QVERIFY(history.GetAccidentMasters(types) && history.GetEventHistories(events));
        QCOMPARE(types.size(), 6);
        QVERIFY(!events.isEmpty());
        CAccidentHistoryDetailsInfoList recorded;
        QVERIFY(history.GetAccidentHistories(recorded, types[0].Accident_ID));
        QVERIFY(!recorded.isEmpty());
    }

    void missingDatabase()
    {
        QTemporaryDir empty;
        const Outcome run = Quillon({"run", "Line A"}, empty.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRunCommand)
#include "tst_RunCommand.moc"
