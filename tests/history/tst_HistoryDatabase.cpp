#include "RecordingPrompter.h"
#include "StatementCapture.h"
#include "TestDatabases.h"

#include "common/DataPaths.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <functional>

namespace
{
bool RawExec(const QString& path, const QString& sql)
{
    return CTestDatabases::RawExec(path, sql);
}

CAccidentHistoryDetailsInfo Details()
{
    CAccidentHistoryDetailsInfo d;
    d.Accident_ID = 4;
    d.Fatality_1 = 10;
    d.Fatality_2 = 20;
    d.Fatality_3 = 30;
    d.Other_Fatality = 40;
    d.Person_Exposed = 50;
    d.Weight_1 = 0.5f;
    d.Weight_2 = 0.25f;
    d.Weight_3 = 1.0f;
    d.OtherFatalityWeight = 2.0f;
    d.Name = QStringLiteral("Derailment");
    return d;
}
} // namespace

class TestHistoryDatabase : public QObject
{
    Q_OBJECT

private slots:
    void statementTexts_data();
    void statementTexts();
    void quotesInEveryStatement();
    void eventHistoryRoundTrip();
    void largeCountsRoundTrip();
    void accidentTypeDeleteKeepsRecordedAccidents();
    void nullWeightReadsDefault();
    void missingDatabaseFile();
};

void TestHistoryDatabase::statementTexts_data()
{
    QTest::addColumn<QString>("expected");
    QTest::newRow("AddEventHistory")
        << "INSERT INTO Event_History(Event_Name,Event_Description,Event_Probability)VALUES( "
           "'Signal passed','Red', 0.001000)";
    QTest::newRow("GetEventHistories") << "SELECT * FROM Event_History";
    QTest::newRow("GetEventHistoryByName")
        << "SELECT * FROM Event_History where Event_Name='Signal passed'";
    QTest::newRow("UpdateEventHistory")
        << "UPDATE Event_History SET Event_Name = 'Signal passed',Event_Description = "
           "'',Event_Probability=0.001000  WHERE Event_Name ='Signal passed'";
    QTest::newRow("DeleteEventHistory")
        << "DELETE FROM Event_History WHERE Event_Name='Signal passed'";
    QTest::newRow("AddAccidentMaster")
        << "INSERT INTO Accident_Master(Accident_Name,Description) VALUES( 'Derailment','Text')";
    QTest::newRow("GetAccidentMasters") << "SELECT * FROM Accident_Master";
    QTest::newRow("GetAccidentMasterByName")
        << "SELECT * FROM Accident_Master where Accident_Name='Derailment'";
    QTest::newRow("UpdateAccidentMaster")
        << "UPDATE Accident_Master SET Accident_Name = 'Derailment',Description = 'Text'  WHERE "
           "Accident_Name ='Old'";
    QTest::newRow("DeleteAccidentMaster")
        << "DELETE FROM Accident_Master WHERE Accident_Name='Derailment'";
    QTest::newRow("AddAccidentHistory")
        << "INSERT INTO Accident_History (Accident_ID,Fatality_1,Fatality_2,Fatality_3,"
           "Other_Fatality,Person_Exposed,Weight_1,Weight_2,Weight_3,OtherFatalityWeight,Name) "
           "VALUES( 4, 10, 20, 30, 40,50,0.500000,0.250000,1.000000,2.000000,'Derailment')";
    QTest::newRow("GetAccidentHistories") << "SELECT * FROM Accident_History where Accident_ID = 4";
    QTest::newRow("GetAccidentHistory") << "SELECT * FROM Accident_History where ID = 9";
    QTest::newRow("UpdateAccidentHistory")
        << "UPDATE Accident_History SET Fatality_1 = 10,Fatality_2 = 20,Fatality_3 = "
           "30,Other_Fatality = 40,Person_Exposed = 50,Weight_1 = 0.500000,Weight_2 = "
           "0.250000,Weight_3  = 1.000000,OtherFatalityWeight  = 2.000000  WHERE ID =9";
    QTest::newRow("DeleteAccidentHistory") << "DELETE FROM Accident_History WHERE ID= 9";
}

void TestHistoryDatabase::statementTexts()
{
    QFETCH(QString, expected);
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CHistoryDatabase& h = db.History();
    CEventHistoryReport event;
    event.Event_Name = QStringLiteral("Signal passed");
    event.Event_Probability = 0.001f;
    CEventHistoryReport red = event;
    red.Event_Description = QStringLiteral("Red");
    CAccidentHistoryReportInfo master;
    master.Accident_Name = QStringLiteral("Derailment");
    master.Description = QStringLiteral("Text");
    CEventHistoryReportList events;
    CAccidentHistoryReportInfoList masters;
    CAccidentHistoryDetailsInfoList details;
    const QHash<QString, std::function<bool()>> operations = {
        {"AddEventHistory", [&] { return h.AddEventHistory(red); }},
        {"GetEventHistories", [&] { return h.GetEventHistories(events); }},
        {"GetEventHistoryByName", [&] { return h.GetEventHistoryByName(events, "Signal passed"); }},
        {"UpdateEventHistory", [&] { return h.UpdateEventHistory(event, "Signal passed"); }},
        {"DeleteEventHistory", [&] { return h.DeleteEventHistory("Signal passed"); }},
        {"AddAccidentMaster", [&] { return h.AddAccidentMaster(master); }},
        {"GetAccidentMasters", [&] { return h.GetAccidentMasters(masters); }},
        {"GetAccidentMasterByName",
         [&] { return h.GetAccidentMasterByName(masters, "Derailment"); }},
        {"UpdateAccidentMaster", [&] { return h.UpdateAccidentMaster(master, "Old"); }},
        {"DeleteAccidentMaster", [&] { return h.DeleteAccidentMaster("Derailment"); }},
        {"AddAccidentHistory", [&] { return h.AddAccidentHistory(Details()); }},
        {"GetAccidentHistories", [&] { return h.GetAccidentHistories(details, 4); }},
        {"GetAccidentHistory", [&] { return h.GetAccidentHistory(details, 9); }},
        {"UpdateAccidentHistory", [&] { return h.UpdateAccidentHistory(Details(), 9); }},
        {"DeleteAccidentHistory", [&] { return h.DeleteAccidentHistory(9); }},
    };
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    QVERIFY2(operations.contains(name), qPrintable(name));
    CRecordingPrompter prompter;
    CStatementCapture capture;
    QVERIFY(operations.value(name)());
    QCOMPARE(capture.statements, QStringList{expected});
    QVERIFY(prompter.entries.isEmpty());
}

void TestHistoryDatabase::quotesInEveryStatement()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CHistoryDatabase& h = db.History();
    CRecordingPrompter prompter;
    const QString name = QStringLiteral("Driver's error");

    CEventHistoryReport event;
    event.Event_Name = name;
    event.Event_Description = QStringLiteral("It's late");
    QVERIFY(h.AddEventHistory(event));
    CEventHistoryReportList events;
    QVERIFY(h.GetEventHistoryByName(events, name));
    QCOMPARE(events.size(), 1);
    QCOMPARE(events.first().Event_Description, event.Event_Description);
    CEventHistoryReport renamed = event;
    renamed.Event_Name = QStringLiteral("Driver's slip");
    QVERIFY(h.UpdateEventHistory(renamed, name));
    QVERIFY(h.DeleteEventHistory(renamed.Event_Name));
    events.clear();
    QVERIFY(h.GetEventHistories(events));
    QVERIFY(events.isEmpty());

    CAccidentHistoryReportInfo master;
    master.Accident_Name = name;
    master.Description = QStringLiteral("O'Hare");
    QVERIFY(h.AddAccidentMaster(master));
    QVERIFY(h.UpdateAccidentMaster(master, name));
    CAccidentHistoryDetailsInfo details = Details();
    details.Name = name;
    QVERIFY(h.AddAccidentHistory(details));
    CAccidentHistoryDetailsInfoList recorded;
    QVERIFY(h.GetAccidentHistories(recorded, details.Accident_ID));
    QCOMPARE(recorded.size(), 1);
    QCOMPARE(recorded.first().Name, name);
    QVERIFY(h.DeleteAccidentMaster(name));
    CAccidentHistoryReportInfoList masters;
    QVERIFY(h.GetAccidentMasters(masters));
    QVERIFY(masters.isEmpty());
    QVERIFY(prompter.entries.isEmpty());
}

void TestHistoryDatabase::eventHistoryRoundTrip()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CHistoryDatabase& h = db.History();
    CEventHistoryReportList list;
    CEventHistoryReport tiny;
    tiny.Event_Name = QStringLiteral("Tiny");
    tiny.Event_Probability = 0.0000004f; // below the sixth decimal: stored as 0
    QVERIFY(h.AddEventHistory(tiny));
    CEventHistoryReport big;
    big.Event_Name = QStringLiteral("Big");
    big.Event_Probability = 0.25f;
    QVERIFY(h.AddEventHistory(big));
    CEventHistoryReport seed;
    seed.Event_Name = QStringLiteral("Already in list");
    list << seed;
    QVERIFY(h.GetEventHistories(list));
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[1].Event_Name, QStringLiteral("Tiny"));
    QCOMPARE(list[1].Event_Probability, 0.0f);
    QCOMPARE(list[2].Event_Probability, 0.25f);
    QVERIFY(list[1].Event_ID < list[2].Event_ID);
}

void TestHistoryDatabase::largeCountsRoundTrip()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CHistoryDatabase& h = db.History();
    CAccidentHistoryDetailsInfo d = Details();
    d.Fatality_1 = 70000;
    d.Person_Exposed = 70000;
    d.Other_Fatality = 2000000000;
    QVERIFY(h.AddAccidentHistory(d));
    CAccidentHistoryDetailsInfoList list;
    QVERIFY(h.GetAccidentHistories(list, d.Accident_ID));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().Fatality_1, 70000);
    QCOMPARE(list.first().Person_Exposed, 70000);
    QCOMPARE(list.first().Other_Fatality, 2000000000);

    const int id = list.first().ID;
    d.Fatality_2 = 123456;
    d.Accident_ID = 99;                    // not changed by an update
    d.Name = QStringLiteral("Other name"); // nor is the name
    QVERIFY(h.UpdateAccidentHistory(d, id));
    list.clear();
    QVERIFY(h.GetAccidentHistory(list, id));
    QCOMPARE(list.first().Fatality_2, 123456);
    QCOMPARE(list.first().Accident_ID, 4);
    QCOMPARE(list.first().Name, QStringLiteral("Derailment"));
    QCOMPARE(list.first().Weight_3, 1.0f);

    QVERIFY(h.DeleteAccidentHistory(id));
    list.clear();
    QVERIFY(h.GetAccidentHistory(list, id));
    QVERIFY(list.isEmpty());
}

void TestHistoryDatabase::accidentTypeDeleteKeepsRecordedAccidents()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CHistoryDatabase& h = db.History();
    CAccidentHistoryReportInfo master;
    master.Accident_Name = QStringLiteral("Derailment");
    QVERIFY(h.AddAccidentMaster(master));
    int masterId = 0;
    QVERIFY(h.AddAccidentMaster(master, &masterId));
    CAccidentHistoryReportInfoList masters;
    QVERIFY(h.GetAccidentMasterByName(masters, "Derailment"));
    QCOMPARE(masters.size(), 2);
    QCOMPARE(masters.last().Accident_ID, masterId);
    CAccidentHistoryDetailsInfo d = Details();
    d.Accident_ID = masterId;
    int detailsId = 0;
    QVERIFY(h.AddAccidentHistory(d, &detailsId));
    QVERIFY(detailsId > 0);
    CAccidentHistoryDetailsInfoList none;
    QVERIFY(h.GetAccidentHistories(none, d.Accident_ID + 1));
    QVERIFY(none.isEmpty());
    QVERIFY(h.DeleteAccidentMaster("Derailment"));
    CAccidentHistoryDetailsInfoList recorded;
    QVERIFY(h.GetAccidentHistories(recorded, d.Accident_ID));
    QCOMPARE(recorded.size(), 1);
}

void TestHistoryDatabase::nullWeightReadsDefault()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    QVERIFY(db.History().AddAccidentHistory(Details()));
    QVERIFY(RawExec(CDataPaths::HistoryDatabasePath(),
                    "UPDATE Accident_History SET OtherFatalityWeight = NULL"));
    CAccidentHistoryDetailsInfoList list;
    QVERIFY(db.History().GetAccidentHistories(list, 4));
    QCOMPARE(list.first().OtherFatalityWeight, 0.0f);
    QCOMPARE(list.first().Other_Fatality, 40);
}

void TestHistoryDatabase::missingDatabaseFile()
{
    QTemporaryDir dir;
    CRecordingPrompter prompter;
    CHistoryDatabase history;
    QVERIFY(!history.Open(dir.filePath("QuillonHistory.mdb")));
    QCOMPARE(prompter.Messages(), QStringList{CDatabaseConnection::ErrorText});

    // A model database but no history database: start-up fails at the second open.
    prompter.Clear();
    const QString previous = CDataPaths::Root();
    CDataPaths::SetRoot(dir.path());
    QVERIFY(CModelDatabase::Create(CDataPaths::ModelDatabasePath()));
    CApplicationState state;
    QVERIFY(!state.OpenDatabases());
    CDataPaths::SetRoot(previous);
    QVERIFY(state.m_pModelStore->IsOpen());
    QVERIFY(!state.m_pHistoryStore->IsOpen());
    QCOMPARE(prompter.Messages(), QStringList{CDatabaseConnection::ErrorText});
}

QTEST_GUILESS_MAIN(TestHistoryDatabase)
#include "tst_HistoryDatabase.moc"
