#include "RecordingPrompter.h"
#include "StatementCapture.h"
#include "TestDatabases.h"

#include "common/DataPaths.h"
#include "model_store/DatabaseConnection.h"
#include "model_store/SqlText.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <functional>

namespace
{
bool RawExec(const QString& path, const QString& sql)
{
    return CTestDatabases::RawExec(path, sql);
}

CSystem BrakeSystem()
{
    CSystem s;
    s.Sys_Title = QStringLiteral("Brake");
    s.Sys_Name = QStringLiteral("Brake");
    s.Sys_Analyst = QStringLiteral("Analyst");
    s.Sys_Approvedby = QStringLiteral("Approver");
    s.Sys_TIR = 1e-7;
    s.Sys_Units = QStringLiteral("Train Mile");
    s.Sys_FatalityUnits = QStringLiteral("Dollars");
    s.Version = 1;
    return s;
}

CHazard OverspeedHazard()
{
    CHazard h;
    h.System_ID = 3;
    h.Haz_Title = QStringLiteral("Overspeed");
    h.Haz_Name = QStringLiteral("Overspeed");
    h.Haz_Analyst = QStringLiteral("A");
    h.Haz_Duration = 2.0;
    h.Haz_Mitigation = QStringLiteral("M");
    h.Haz_Notes = QStringLiteral("N");
    h.Haz_Validation = QStringLiteral("V");
    h.Haz_Rate = 1.23456789e-7;
    h.IsProbFromDatabase = true;
    return h;
}

CEventTree CollisionAccident()
{
    CEventTree e;
    e.Sys_ID = 3;
    e.Haz_ID = 7;
    e.Event_Title = QStringLiteral("Collision");
    e.Event_Name = QStringLiteral("Collision");
    e.Event_YesProbability = 0.25;
    e.Event_ParentID = 5;
    e.Event_Analyst = QStringLiteral("A");
    e.Event_Approvedby = QStringLiteral("B");
    e.Event_FunctionDesc = QStringLiteral("D");
    e.Event_Type = EventType::Accident;
    e.Accident_Number = 2.5;
    e.Fatility = 0.5f;
    e.Event_ParentAction = ParentAction::Yes;
    return e;
}

QStringList Names(const CSystemList& list)
{
    QStringList out;
    for (const CSystem& s : list)
        out << s.Sys_Name;
    return out;
}

QList<int> Ids(const CSystemList& list)
{
    QList<int> out;
    for (const CSystem& s : list)
        out << s.Sys_ID;
    return out;
}

QList<int> Ids(const CEventTreeList& list)
{
    QList<int> out;
    for (const CEventTree& e : list)
        out << e.Event_ID;
    return out;
}
} // namespace

class TestModelDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The date examples are written for a computer set to UTC.
        qputenv("TZ", "UTC");
        tzset();
    }

    void statementTexts_data();
    void statementTexts();
    void quotedNameStoredFoundRenamed();
    void valuesReadBackRounded();
    void fatilityDecimals();
    void dateText_data();
    void dateText();
    void dateReadBackFromColumn_data();
    void dateReadBackFromColumn();
    void missingDatabaseFile();
    void failedStatementShowsTheOneMessage();
    void rowsInIdOrderAppended();
    void rowsSortedWhateverThePlan();
    void softDeleteAndRecovery();
    void deleteHazardVersusDeleteHazardsOfSystem();
    void firstSystemOfEachNameWithDeletedFirstVersion();
    void latestSystemVersion();
    void setSystemVersionWithWrongOldVersion();
    void renameSystemAcrossVersionsAndFunction();
    void renameEventWithOtherHazardsId();
    void longTextsReadBackWhole_data();
    void longTextsReadBackWhole();
    void nonZeroProbFlagReadsTrue();
    void eventTreeOfHazardCarriesDeleteFlag();
    void nestedTransactions();
    void statementLogFile();
    void systemUnitsOfApplicationState();
};

void TestModelDatabase::statementTexts_data()
{
    QTest::addColumn<QString>("expected");

    QTest::newRow("AddSystem")
        << "INSERT INTO System ( Sys_Title, Sys_Name, Sys_Analyst, Sys_Approvedby, "
           "Sys_TIR,Sys_Units,Sys_FatalityUnits, Sys_FunctionDesc, Sys_Notes, Sys_RefDoc,"
           "Sys_Date,Parent_ID,Type,Version,ProbFromDatabase ) VALUES( 'Brake', "
           "'Brake','Analyst', 'Approver',1.000000e-07,'Train Mile','Dollars','','','',"
           "'00:00:00 January 01 1970',0,0,1,0)";
    QTest::newRow("UpdateSystem")
        << "UPDATE System SET Sys_Title = 'Brake',Sys_Name = 'Brake',Sys_Analyst = "
           "'Analyst',Sys_Approvedby = 'Approver',Sys_TIR = 1.000000e-07,Sys_Units = 'Train "
           "Mile',Sys_FatalityUnits = 'Dollars',Sys_FunctionDesc = '',Sys_Notes = '',"
           "Sys_RefDoc = '',Sys_Date = '00:00:00 January 01 1970',Parent_ID=0,Type=0  WHERE "
           "Sys_ID =12";
    QTest::newRow("RenameSystem") << "UPDATE System SET Sys_Name = 'B', Sys_Title = 'B' WHERE "
                                     "Sys_Name = 'A'";
    QTest::newRow("SetSystemVersion")
        << "UPDATE System SET Version=3 WHERE Sys_ID =12 AND Version=2";
    QTest::newRow("MarkSystemDeleted") << "UPDATE System SET DeleteFlag = 1 WHERE Sys_ID = 12";
    QTest::newRow("RecoverSystem") << "UPDATE System SET DeleteFlag = 0 WHERE Sys_ID = 12";
    QTest::newRow("DeleteSystem") << "DELETE FROM System WHERE Sys_ID= 12";
    QTest::newRow("GetSystem") << "SELECT * FROM System where Sys_ID=12";
    QTest::newRow("GetSystemByName")
        << "SELECT * FROM System where Sys_Name='A' and Parent_ID = 0 and DeleteFlag = 0";
    QTest::newRow("GetSystemVersion")
        << "SELECT * FROM System where Sys_Name='A' and Parent_ID = 0 and Version = 2";
    QTest::newRow("GetLatestSystemVersion")
        << "SELECT * FROM System where Sys_Name='A' And type=0 and Version =(select "
           "Max(Version) from System where Sys_Name='A' And type=0)";
    QTest::newRow("GetFirstSystemOfEachName")
        << "SELECT *FROM System WHERE Sys_ID in(SELECT MIN(Sys_ID)FROM System WHERE Type=0 "
           "GROUP BY Sys_Name)";
    QTest::newRow("GetChildSystems")
        << "SELECT * FROM System WHERE Type = 1 and Parent_ID=12 and DeleteFlag = 0 or  Type "
           "= 2 and Parent_ID=12 and DeleteFlag = 0";
    QTest::newRow("GetAllChildSystems")
        << "SELECT * FROM System WHERE Type = 1 and Parent_ID=12  or  Type = 2 and "
           "Parent_ID=12 ";
    QTest::newRow("GetDeletedSystemsByName")
        << "SELECT *FROM System WHERE Sys_Name = 'A' AND Type = 0 AND DeleteFlag = 1";
    QTest::newRow("GetDeletedSystem") << "SELECT *FROM System WHERE Sys_ID = 12 AND DeleteFlag = 1";

    QTest::newRow("AddHazard")
        << "INSERT INTO Hazard (System_ID, Haz_Title, Haz_Name, Haz_Analyst, Haz_Approvedby, "
           "Haz_Duration, Haz_ExposureTime, Haz_Mitigation, Haz_Notes,Haz_Validation,"
           "Haz_Rate,Tolerable_HR,IsProbFromDatabase) VALUES( 3,'Overspeed', 'Overspeed','A', "
           "'',2.000000e+00,0.000000e+00,'M','N','V',1.234568e-07,0.000000e+00,1)";
    QTest::newRow("UpdateHazard")
        << "UPDATE Hazard SET Haz_Title = 'Overspeed',Haz_Name = 'Overspeed',Haz_Analyst = "
           "'A',Haz_Approvedby = '',Haz_Duration = 2.000000e+00,Haz_ExposureTime = "
           "0.000000e+00,Haz_Mitigation = 'M',Haz_Notes = 'N',Haz_Validation = 'V',Haz_Rate = "
           "1.234568e-07,Tolerable_HR = 0.000000e+00,IsProbFromDatabase = 1  WHERE Haz_ID =7";
    QTest::newRow("MarkHazardDeleted") << "UPDATE Hazard SET DeleteFlag = 1 WHERE Haz_ID = 7";
    QTest::newRow("RecoverHazard") << "UPDATE Hazard SET DeleteFlag = 0 WHERE Haz_ID = 7";
    QTest::newRow("DeleteHazard")
        << "DELETE FROM Hazard WHERE Haz_ID=7 \nDELETE FROM Event WHERE Haz_ID= 7";
    QTest::newRow("DeleteHazardsOfSystem") << "DELETE FROM Hazard WHERE System_ID=3 ";
    QTest::newRow("GetHazard") << "SELECT * FROM Hazard where Haz_ID=7 ";
    QTest::newRow("GetHazardByName")
        << "SELECT * FROM Hazard where Haz_Name='Overspeed' and System_ID=3 ";
    QTest::newRow("GetHazards") << "SELECT * FROM Hazard where System_ID=3 and DeleteFlag = 0 ";
    QTest::newRow("GetDeletedHazards")
        << "SELECT * FROM Hazard where System_ID=3 and DeleteFlag = 1";

    QTest::newRow("AddEvent")
        << "INSERT INTO Event ( Sys_ID,Haz_ID,Event_Title, Event_Name, Event_YesProbability,"
           "Event_ParentID, Event_Analyst, Event_Approvedby, Event_FunctionDesc,Event_Type,"
           "Accident_Number,Fatility,Exposed,Event_ParentAction ) VALUES( 3,7,'Collision',"
           "'Collision',2.500000e-01,5,'A','B','D',1,2.500000e+00,0.500000,0,1)";
    QTest::newRow("UpdateEvent")
        << "UPDATE Event SET Event_Title = 'Collision',Event_Name = 'Collision',Event_Analyst "
           "= 'A',Event_Approvedby = 'B',Event_FunctionDesc = 'D',Event_YesProbability = "
           "2.500000e-01,Event_ParentID = 5,Accident_Number = 2.500000e+00,Fatility = 0.500,"
           "Exposed = 0,Event_ParentAction = 1 ,Event_Type = 1  WHERE Event_ID =57";
    QTest::newRow("RenameEvent") << "UPDATE Event SET Event_Title = 'T',Event_Name = 'N' WHERE  "
                                    "Event_ID = 57  AND Haz_ID = 7";
    QTest::newRow("MarkEventDeleted") << "UPDATE Event SET DeleteFlag = 1 WHERE Event_ID = 57";
    QTest::newRow("RecoverEvent") << "UPDATE Event SET DeleteFlag = 0 WHERE Event_ID = 57";
    QTest::newRow("DeleteEvent") << "DELETE FROM Event WHERE Event_ID= 57";
    QTest::newRow("DeleteEventsOfHazard") << "DELETE FROM Event WHERE Haz_ID= 7";
    QTest::newRow("GetEvent") << "SELECT * FROM Event where Event_ID=57 ";
    QTest::newRow("GetActiveEvent") << "SELECT * FROM Event where Event_ID=57 and DeleteFlag = 0";
    QTest::newRow("GetEventOfHazard") << "SELECT * FROM Event where Haz_ID=7 and Event_ID=57 ";
    QTest::newRow("GetEventByName")
        << "SELECT * FROM Event where Haz_ID=7 and Event_Name='Collision' ";
    QTest::newRow("GetChildEventByName")
        << "SELECT * FROM Event where Haz_ID=7 and Event_Name='Collision' and Event_ParentID = 5";
    QTest::newRow("GetChildEvents") << "SELECT * FROM Event where Haz_ID=7 and Event_ParentID=5 "
                                       "and Event_ParentAction = 1 and DeleteFlag = 0";
    QTest::newRow("GetAllChildEvents")
        << "SELECT * FROM Event where Haz_ID=7 and Event_ParentID=5 and Event_ParentAction = 1 ";
    QTest::newRow("GetAccidents") << "SELECT * FROM Event where Haz_ID=7 and Event_Type=1 ";
    QTest::newRow("GetDeletedEvents") << "SELECT * FROM Event where Sys_ID=3 and DeleteFlag = 1";
    QTest::newRow("GetEventTreeOfHazard") << "SELECT * FROM Event WHERE Haz_ID = 7";
}

void TestModelDatabase::statementTexts()
{
    QFETCH(QString, expected);
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CModelDatabase& m = db.Model();
    CSystemList systems;
    CHazardList hazards;
    CEventTreeList events;
    CEventTreeNodeList nodes;
    CEventTree node;
    node.Event_ID = 57;
    const QHash<QString, std::function<bool()>> operations = {
        {"AddSystem", [&] { return m.AddSystem(BrakeSystem()); }},
        {"UpdateSystem", [&] { return m.UpdateSystem(BrakeSystem(), 12); }},
        {"RenameSystem", [&] { return m.RenameSystem("A", "B"); }},
        {"SetSystemVersion", [&] { return m.SetSystemVersion(12, 2, 3); }},
        {"MarkSystemDeleted", [&] { return m.MarkSystemDeleted(12); }},
        {"RecoverSystem", [&] { return m.RecoverSystem(12); }},
        {"DeleteSystem", [&] { return m.DeleteSystem(12); }},
        {"GetSystem", [&] { return m.GetSystem(systems, 12); }},
        {"GetSystemByName", [&] { return m.GetSystemByName(systems, "A", 0); }},
        {"GetSystemVersion", [&] { return m.GetSystemVersion(systems, "A", 0, 2); }},
        {"GetLatestSystemVersion", [&] { return m.GetLatestSystemVersion(systems, "A"); }},
        {"GetFirstSystemOfEachName", [&] { return m.GetFirstSystemOfEachName(systems, 0); }},
        {"GetChildSystems", [&] { return m.GetChildSystems(systems, 12); }},
        {"GetAllChildSystems", [&] { return m.GetAllChildSystems(systems, 12); }},
        {"GetDeletedSystemsByName", [&] { return m.GetDeletedSystemsByName(systems, 0, "A"); }},
        {"GetDeletedSystem", [&] { return m.GetDeletedSystem(systems, 12); }},
        {"AddHazard", [&] { return m.AddHazard(OverspeedHazard()); }},
        {"UpdateHazard", [&] { return m.UpdateHazard(OverspeedHazard(), 7); }},
        {"MarkHazardDeleted", [&] { return m.MarkHazardDeleted(7); }},
        {"RecoverHazard", [&] { return m.RecoverHazard(7); }},
        {"DeleteHazard", [&] { return m.DeleteHazard(7); }},
        {"DeleteHazardsOfSystem", [&] { return m.DeleteHazardsOfSystem(3); }},
        {"GetHazard", [&] { return m.GetHazard(hazards, 7); }},
        {"GetHazardByName", [&] { return m.GetHazardByName(hazards, "Overspeed", 3); }},
        {"GetHazards", [&] { return m.GetHazards(hazards, 3); }},
        {"GetDeletedHazards", [&] { return m.GetDeletedHazards(hazards, 3); }},
        {"AddEvent", [&] { return m.AddEvent(CollisionAccident()); }},
        {"UpdateEvent", [&] { return m.UpdateEvent(CollisionAccident(), 57); }},
        {"RenameEvent", [&] { return m.RenameEvent(node, "N", 7, "T"); }},
        {"MarkEventDeleted", [&] { return m.MarkEventDeleted(57); }},
        {"RecoverEvent", [&] { return m.RecoverEvent(57); }},
        {"DeleteEvent", [&] { return m.DeleteEvent(57); }},
        {"DeleteEventsOfHazard", [&] { return m.DeleteEventsOfHazard(7); }},
        {"GetEvent", [&] { return m.GetEvent(events, 57); }},
        {"GetActiveEvent", [&] { return m.GetActiveEvent(events, 57); }},
        {"GetEventOfHazard", [&] { return m.GetEventOfHazard(events, 7, 57); }},
        {"GetEventByName", [&] { return m.GetEventByName(events, 7, "Collision"); }},
        {"GetChildEventByName", [&] { return m.GetChildEventByName(events, 7, 5, "Collision"); }},
        {"GetChildEvents", [&] { return m.GetChildEvents(events, 7, 5, 1); }},
        {"GetAllChildEvents", [&] { return m.GetAllChildEvents(events, 7, 5, 1); }},
        {"GetAccidents", [&] { return m.GetAccidents(events, 7); }},
        {"GetDeletedEvents", [&] { return m.GetDeletedEvents(events, 3); }},
        {"GetEventTreeOfHazard", [&] { return m.GetEventTreeOfHazard(nodes, 7); }},
    };
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    QVERIFY2(operations.contains(name), qPrintable(name));

    CRecordingPrompter prompter;
    CStatementCapture capture;
    QVERIFY(operations.value(name)());
    QCOMPARE(capture.statements.join(u'\n'), expected);
    QVERIFY(prompter.entries.isEmpty());
}

void TestModelDatabase::quotedNameStoredFoundRenamed()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CModelDatabase& m = db.Model();
    CStatementCapture capture;
    const QString cab = QStringLiteral("Driver's cab");
    const int sys = db.AddSystem(cab);
    QVERIFY(capture.Last().contains("'Driver''s cab', 'Driver''s cab'"));

    CSystemList found;
    QVERIFY(m.GetSystemByName(found, cab, 0));
    QCOMPARE(Ids(found), QList<int>{sys});
    QCOMPARE(found.first().Sys_Title, cab);

    const QString renamed = QStringLiteral("Driver's 'cab'");
    QVERIFY(m.RenameSystem(cab, renamed));
    found.clear();
    QVERIFY(m.GetSystemByName(found, renamed, 0));
    QCOMPARE(Ids(found), QList<int>{sys});
    QCOMPARE(found.first().Sys_Title, renamed);

    // Hazards and nodes by name, and the units, which come from fixed lists but are doubled too.
    const int haz = db.AddHazard(sys, cab);
    CHazardList hazards;
    QVERIFY(m.GetHazardByName(hazards, cab, sys));
    QCOMPARE(hazards.size(), 1);
    const int ev = db.AddEvent(haz, cab, 0, ParentAction::Root);
    CEventTreeList events;
    QVERIFY(m.GetChildEventByName(events, haz, 0, cab));
    QCOMPARE(Ids(events), QList<int>{ev});

    CSystem odd = BrakeSystem();
    odd.Sys_Units = QStringLiteral("Driver's mile");
    QVERIFY(m.AddSystem(odd));
}

void TestModelDatabase::valuesReadBackRounded()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CHazard h = OverspeedHazard();
    int id = 0;
    QVERIFY(db.Model().AddHazard(h, &id));
    CHazardList list;
    QVERIFY(db.Model().GetHazard(list, id));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().Haz_Rate, 1.234568e-7);
    QCOMPARE(list.first().Haz_Duration, 2.0);
    QCOMPARE(list.first().IsProbFromDatabase, true);
    QCOMPARE(list.first().Haz_Mitigation, QStringLiteral("M"));

    h.Haz_Rate = 9.87654321e-3;
    QVERIFY(db.Model().UpdateHazard(h, id));
    list.clear();
    QVERIFY(db.Model().GetHazard(list, id));
    QCOMPARE(list.first().Haz_Rate, 9.876543e-3);
}

void TestModelDatabase::fatilityDecimals()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CEventTree e = CollisionAccident();
    e.Fatility = 0.123456f;
    int id = 0;
    QVERIFY(db.Model().AddEvent(e, &id));
    CEventTreeList list;
    QVERIFY(db.Model().GetEvent(list, id));
    QCOMPARE(list.first().Fatility, 0.123456f);
    QVERIFY(db.Model().UpdateEvent(list.first(), id));
    list.clear();
    QVERIFY(db.Model().GetEvent(list, id));
    QCOMPARE(list.first().Fatility, 0.123f);
}

void TestModelDatabase::dateText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero time") << qint64(0) << "00:00:00 January 01 1970";
    QTest::newRow("December") << qint64(1796825109) << "14:05:09 December 09 2026";
}

void TestModelDatabase::dateText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(CSqlText::Date(seconds), text);
    QCOMPARE(CSqlText::ParseDate(text), seconds);

    CTestDatabases db;
    QVERIFY(db.IsValid());
    CSystem s = BrakeSystem();
    s.Sys_Date = seconds;
    int id = 0;
    QVERIFY(db.Model().AddSystem(s, &id));
    CSystemList list;
    QVERIFY(db.Model().GetSystem(list, id));
    QCOMPARE(list.first().Sys_Date, seconds);
}

void TestModelDatabase::dateReadBackFromColumn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("valid") << "14:05:09 December 09 2026" << qint64(1796825109);
    QTest::newRow("not a date") << "yesterday" << qint64(0);
    QTest::newRow("bad day") << "10:00:00 February 30 2020" << qint64(0);
    QTest::newRow("before 1970") << "12:00:00 June 15 1969" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
}

void TestModelDatabase::dateReadBackFromColumn()
{
    QFETCH(QString, stored);
    QFETCH(qint64, expected);
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int id = db.AddSystem("Brake");
    QVERIFY(RawExec(CDataPaths::ModelDatabasePath(),
                    QStringLiteral("UPDATE System SET Sys_Date = '%1'").arg(stored)));
    CSystemList list;
    QVERIFY(db.Model().GetSystem(list, id));
    QCOMPARE(list.first().Sys_Date, expected);
}

void TestModelDatabase::missingDatabaseFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Data/Quillon.mdb");
    CRecordingPrompter prompter;
    CModelDatabase model;
    QVERIFY(!model.Open(path));
    QVERIFY(!model.IsOpen());
    QVERIFY(!QFileInfo::exists(path)); // never created behind the user's back
    QCOMPARE(prompter.entries.size(), 1);
    QCOMPARE(prompter.entries[0].text, CDatabaseConnection::ErrorText);
    QCOMPARE(prompter.entries[0].caption, QStringLiteral("Toravin Model Vozezur"));
    QCOMPARE(int(prompter.entries[0].icon), int(CPrompter::Icon::Information));

    // A file that is not a database fails the same way.
    prompter.Clear();
    QVERIFY(QDir().mkpath(dir.filePath("Data")));
    QFile junk(path);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    QVERIFY(!model.Open(path));
    QCOMPARE(prompter.Messages(), QStringList{CDatabaseConnection::ErrorText});

    // Start-up: the history database is not tried once the model database failed.
    prompter.Clear();
    const QString previous = CDataPaths::Root();
    CDataPaths::SetRoot(dir.filePath("nowhere"));
    CApplicationState state;
    QVERIFY(!state.OpenDatabases());
    CDataPaths::SetRoot(previous);
    QCOMPARE(prompter.Messages(), QStringList{CDatabaseConnection::ErrorText});
}

void TestModelDatabase::failedStatementShowsTheOneMessage()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int sys = db.AddSystem("Brake");
    QVERIFY(RawExec(CDataPaths::ModelDatabasePath(), "DROP TABLE Event"));
    CRecordingPrompter prompter;
    CEventTreeList events;
    QVERIFY(!db.Model().GetAccidents(events, 1));
    QVERIFY(!db.Model().AddEvent(CollisionAccident()));
    QCOMPARE(prompter.Messages(),
             QStringList({CDatabaseConnection::ErrorText, CDatabaseConnection::ErrorText}));
    // DeleteHazard runs its second statement even though it fails, and reports false.
    const int haz = db.AddHazard(sys, "H");
    prompter.Clear();
    QVERIFY(!db.Model().DeleteHazard(haz));
    QCOMPARE(prompter.Messages().size(), 1);
    CHazardList hazards;
    QVERIFY(db.Model().GetHazard(hazards, haz));
    QVERIFY(hazards.isEmpty());
}

void TestModelDatabase::rowsInIdOrderAppended()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int sys = db.AddSystem("Brake");
    const int other = db.AddSystem("Door");
    db.AddHazard(other, "Early 1");
    db.AddHazard(other, "Early 2");
    const int h1 = db.AddHazard(sys, "H1");
    const int h2 = db.AddHazard(sys, "H2");
    CHazardList list;
    QVERIFY(db.Model().GetHazards(list, other));
    QCOMPARE(list.size(), 2);
    QVERIFY(db.Model().GetHazards(list, sys));
    QCOMPARE(list.size(), 4);
    QCOMPARE(list[0].Haz_Name, QStringLiteral("Early 1"));
    QCOMPARE(list[2].Haz_ID, h1);
    QCOMPARE(list[3].Haz_ID, h2);

    // Subsystems and functions interleaved: the OR over the index must not reorder them.
    QList<int> expected;
    for (int i = 0; i < 6; ++i)
        expected << db.AddSystem(QStringLiteral("Part %1").arg(i), 0, 1 + i % 2, sys);
    CSystemList children;
    QVERIFY(db.Model().GetChildSystems(children, sys));
    QCOMPARE(Ids(children), expected);

    // An empty result is true and leaves the list as it was.
    QVERIFY(db.Model().GetHazards(list, 9999));
    QCOMPARE(list.size(), 4);
}

void TestModelDatabase::rowsSortedWhateverThePlan()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const QList<int> ids = {db.AddSystem("A"), db.AddSystem("B"), db.AddSystem("C")};
    CDatabaseConnection connection(QStringLiteral("Unable to connect to the Database"));
    QVERIFY(connection.Open(CDataPaths::ModelDatabasePath()));
    CSystemList list;
    QVERIFY(connection.Select("SELECT * FROM System ORDER BY Sys_ID DESC", 15, list,
                              [](const QSqlQuery& q)
                              {
                                  CSystem s;
                                  s.Sys_ID = q.value(0).toInt();
                                  return s;
                              }));
    QCOMPARE(Ids(list), ids);

    // A result narrower than the binding is refused without a message.
    CRecordingPrompter prompter;
    list.clear();
    QVERIFY(!connection.Select("SELECT Sys_ID FROM System", 15, list,
                               [](const QSqlQuery&) { return CSystem(); }));
    QVERIFY(list.isEmpty());
    QVERIFY(prompter.entries.isEmpty());
}

void TestModelDatabase::softDeleteAndRecovery()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CModelDatabase& m = db.Model();
    const int sys = db.AddSystem("Brake");
    const int sub = db.AddSystem("Sub", 0, 1, sys);
    const int haz = db.AddHazard(sub, "H");
    const int root = db.AddEvent(haz, "Root", 0, ParentAction::Root);
    const int acc = db.AddEvent(haz, "Acc", root, ParentAction::Yes, EventType::Accident);

    QVERIFY(m.MarkSystemDeleted(sys));
    QVERIFY(m.MarkSystemDeleted(sub));
    QVERIFY(m.MarkHazardDeleted(haz));
    QVERIFY(m.MarkEventDeleted(acc));

    CSystemList systems;
    QVERIFY(m.GetSystemByName(systems, "Brake", 0));
    QVERIFY(systems.isEmpty());
    QVERIFY(m.GetDeletedSystemsByName(systems, 0, "Brake"));
    QCOMPARE(Ids(systems), QList<int>{sys});
    systems.clear();
    QVERIFY(m.GetChildSystems(systems, sys));
    QVERIFY(systems.isEmpty());
    QVERIFY(m.GetAllChildSystems(systems, sys));
    QCOMPARE(Ids(systems), QList<int>{sub});
    systems.clear();
    QVERIFY(m.GetDeletedSystem(systems, sub));
    QCOMPARE(systems.size(), 1);

    CHazardList hazards;
    QVERIFY(m.GetHazards(hazards, sub));
    QVERIFY(hazards.isEmpty());
    QVERIFY(m.GetDeletedHazards(hazards, sub));
    QCOMPARE(hazards.size(), 1);

    CEventTreeList events;
    QVERIFY(m.GetChildEvents(events, haz, root, ParentAction::Yes));
    QVERIFY(events.isEmpty());
    QVERIFY(m.GetAllChildEvents(events, haz, root, ParentAction::Yes));
    QCOMPARE(Ids(events), QList<int>{acc});
    events.clear();
    QVERIFY(m.GetAccidents(events, haz));
    QCOMPARE(Ids(events), QList<int>{acc});
    events.clear();
    QVERIFY(m.GetActiveEvent(events, acc));
    QVERIFY(events.isEmpty());
    QVERIFY(m.GetDeletedEvents(events, sub));
    QCOMPARE(Ids(events), QList<int>{acc});

    QVERIFY(m.RecoverSystem(sys));
    QVERIFY(m.RecoverHazard(haz));
    QVERIFY(m.RecoverEvent(acc));
    systems.clear();
    QVERIFY(m.GetSystemByName(systems, "Brake", 0));
    QCOMPARE(Ids(systems), QList<int>{sys});
    hazards.clear();
    QVERIFY(m.GetHazards(hazards, sub));
    QCOMPARE(hazards.size(), 1);
    events.clear();
    QVERIFY(m.GetActiveEvent(events, acc));
    QCOMPARE(events.size(), 1);
    // The subsystem was deleted on its own and stays in the Recover window.
    systems.clear();
    QVERIFY(m.GetChildSystems(systems, sys));
    QVERIFY(systems.isEmpty());
}

void TestModelDatabase::deleteHazardVersusDeleteHazardsOfSystem()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CModelDatabase& m = db.Model();
    const int sys = db.AddSystem("Brake");
    const int h1 = db.AddHazard(sys, "H1");
    const int root1 = db.AddEvent(h1, "R1", 0, ParentAction::Root);
    const int acc1 = db.AddEvent(h1, "A1", root1, ParentAction::No, EventType::Accident);
    QVERIFY(m.MarkEventDeleted(acc1));
    QVERIFY(m.DeleteHazard(h1));
    CEventTreeList events;
    QVERIFY(m.GetAccidents(events, h1));
    QVERIFY(m.GetEvent(events, root1));
    QVERIFY(events.isEmpty());

    const int h2 = db.AddHazard(sys, "H2");
    const int root2 = db.AddEvent(h2, "R2", 0, ParentAction::Root);
    QVERIFY(m.DeleteHazardsOfSystem(sys));
    CHazardList hazards;
    QVERIFY(m.GetHazard(hazards, h2));
    QVERIFY(hazards.isEmpty());
    QVERIFY(m.GetEvent(events, root2));
    QCOMPARE(Ids(events), QList<int>{root2});

    // DeleteSystem leaves the row's hazards readable.
    const int sub = db.AddSystem("Sub", 0, 1, sys);
    const int h3 = db.AddHazard(sub, "H3");
    QVERIFY(m.DeleteSystem(sub));
    QVERIFY(m.GetHazard(hazards, h3));
    QCOMPARE(hazards.size(), 1);
}

void TestModelDatabase::firstSystemOfEachNameWithDeletedFirstVersion()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int a1 = db.AddSystem("A", 1);
    const int b1 = db.AddSystem("B", 1);
    db.AddSystem("A", 2);
    db.AddSystem("Sub", 0, 1, b1);
    QVERIFY(db.Model().MarkSystemDeleted(a1));
    CSystemList list;
    QVERIFY(db.Model().GetFirstSystemOfEachName(list, 0));
    QCOMPARE(Ids(list), QList<int>({a1, b1}));
}

void TestModelDatabase::latestSystemVersion()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    db.AddSystem("A", 1);
    const int v3 = db.AddSystem("A", 3);
    db.AddSystem("A", 2);
    db.AddSystem("A", 7, 2, v3); // a function of the same name does not count
    QVERIFY(db.Model().MarkSystemDeleted(v3));
    CSystemList list;
    QVERIFY(db.Model().GetLatestSystemVersion(list, "A"));
    QCOMPARE(Ids(list), QList<int>{v3});
    list.clear();
    QVERIFY(db.Model().GetLatestSystemVersion(list, "None"));
    QVERIFY(list.isEmpty());
}

void TestModelDatabase::setSystemVersionWithWrongOldVersion()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int id = db.AddSystem("A", 2);
    QVERIFY(db.Model().SetSystemVersion(id, 1, 5));
    CSystemList list;
    QVERIFY(db.Model().GetSystem(list, id));
    QCOMPARE(list.first().Version, 2);
    QVERIFY(db.Model().SetSystemVersion(id, 2, 5));
    list.clear();
    QVERIFY(db.Model().GetSystem(list, id));
    QCOMPARE(list.first().Version, 5);
}

void TestModelDatabase::renameSystemAcrossVersionsAndFunction()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int v1 = db.AddSystem("A", 1);
    const int v2 = db.AddSystem("A", 2);
    const int fn = db.AddSystem("A", 0, 2, v2);
    const int other = db.AddSystem("AB", 1);
    QVERIFY(db.Model().MarkSystemDeleted(v1));
    QVERIFY(db.Model().RenameSystem("A", "B"));
    for (int id : {v1, v2, fn})
    {
        CSystemList list;
        QVERIFY(db.Model().GetSystem(list, id));
        QCOMPARE(list.first().Sys_Name, QStringLiteral("B"));
        QCOMPARE(list.first().Sys_Title, QStringLiteral("B"));
    }
    CSystemList list;
    QVERIFY(db.Model().GetSystem(list, other));
    QCOMPARE(Names(list), QStringList{"AB"});
}

void TestModelDatabase::renameEventWithOtherHazardsId()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int sys = db.AddSystem("A");
    const int h1 = db.AddHazard(sys, "H1");
    const int h2 = db.AddHazard(sys, "H2");
    const int ev = db.AddEvent(h1, "E", 0, ParentAction::Root);
    CEventTreeList list;
    QVERIFY(db.Model().GetEvent(list, ev));
    QVERIFY(db.Model().RenameEvent(list.first(), "New", h2, "New title"));
    list.clear();
    QVERIFY(db.Model().GetEvent(list, ev));
    QCOMPARE(list.first().Event_Name, QStringLiteral("E"));
    QVERIFY(db.Model().RenameEvent(list.first(), "New", h1, "New title"));
    list.clear();
    QVERIFY(db.Model().GetEventOfHazard(list, h1, ev));
    QCOMPARE(list.first().Event_Name, QStringLiteral("New"));
    QCOMPARE(list.first().Event_Title, QStringLiteral("New title"));
}

void TestModelDatabase::longTextsReadBackWhole_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("199") << 199;
    QTest::newRow("70000") << 70000;
}

void TestModelDatabase::longTextsReadBackWhole()
{
    QFETCH(int, length);
    CTestDatabases db;
    QVERIFY(db.IsValid());
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u"ab'\u00e9\n"[i % 5]);
    QCOMPARE(text.size(), length);

    CSystem s = BrakeSystem();
    s.Sys_Name = text;
    s.Sys_Notes = text;
    int sys = 0;
    QVERIFY(db.Model().AddSystem(s, &sys));
    CSystemList systems;
    QVERIFY(db.Model().GetSystem(systems, sys));
    QCOMPARE(systems.first().Sys_Name, text);
    QCOMPARE(systems.first().Sys_Notes, text);

    CHazard h = OverspeedHazard();
    h.Haz_Mitigation = text;
    int haz = 0;
    QVERIFY(db.Model().AddHazard(h, &haz));
    CHazardList hazards;
    QVERIFY(db.Model().GetHazard(hazards, haz));
    QCOMPARE(hazards.first().Haz_Mitigation, text);

    CEventTree e = CollisionAccident();
    e.Event_FunctionDesc = text;
    int ev = 0;
    QVERIFY(db.Model().AddEvent(e, &ev));
    e.Event_Title = text;
    QVERIFY(db.Model().UpdateEvent(e, ev));
    CEventTreeList events;
    QVERIFY(db.Model().GetEvent(events, ev));
    QCOMPARE(events.first().Event_FunctionDesc, text);
    QCOMPARE(events.first().Event_Title, text);
}

void TestModelDatabase::nonZeroProbFlagReadsTrue()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int haz = db.AddHazard(db.AddSystem("A"), "H");
    CHazardList list;
    QVERIFY(db.Model().GetHazard(list, haz));
    QCOMPARE(list.first().IsProbFromDatabase, false);
    QVERIFY(RawExec(CDataPaths::ModelDatabasePath(), "UPDATE Hazard SET IsProbFromDatabase = 5"));
    list.clear();
    QVERIFY(db.Model().GetHazard(list, haz));
    QCOMPARE(list.first().IsProbFromDatabase, true);
}

void TestModelDatabase::eventTreeOfHazardCarriesDeleteFlag()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int haz = db.AddHazard(db.AddSystem("A"), "H");
    const int root = db.AddEvent(haz, "R", 0, ParentAction::Root);
    const int yes =
        db.AddEvent(haz, "Y", root, ParentAction::Yes, EventType::Accident, 0.1, 2.0, 1.5f);
    const int no = db.AddEvent(haz, "N", root, ParentAction::No, EventType::Accident);
    QVERIFY(db.Model().MarkEventDeleted(yes));
    CEventTreeNodeList nodes;
    QVERIFY(db.Model().GetEventTreeOfHazard(nodes, haz));
    QCOMPARE(nodes.size(), 3);
    QCOMPARE(nodes[0].event.Event_ID, root);
    QCOMPARE(nodes[1].event.Event_ID, yes);
    QCOMPARE(nodes[1].DeleteFlag, 1);
    QCOMPARE(nodes[1].event.Fatility, 1.5f);
    QCOMPARE(nodes[1].event.Accident_Number, 2.0);
    QCOMPARE(nodes[2].event.Event_ID, no);
    QCOMPARE(nodes[2].DeleteFlag, 0);
}

void TestModelDatabase::nestedTransactions()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    CModelDatabase& m = db.Model();
    QVERIFY(m.BeginTransaction());
    QVERIFY(m.BeginTransaction());
    db.AddSystem("Kept");
    QVERIFY(m.CommitTransaction());
    QVERIFY(m.CommitTransaction());

    QVERIFY(m.BeginTransaction());
    db.AddSystem("Dropped");
    QVERIFY(m.BeginTransaction());
    db.AddSystem("Dropped too");
    m.RollbackTransaction(); // inner rollback dooms the outer transaction
    QVERIFY(!m.CommitTransaction());

    CSystemList list;
    QVERIFY(m.GetFirstSystemOfEachName(list, 0));
    QCOMPARE(Names(list), QStringList{"Kept"});
}

void TestModelDatabase::statementLogFile()
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath("sql.log");
    qputenv("QUILLON_SQL_LOG", logPath.toUtf8());
    {
        CTestDatabases db;
        QVERIFY(db.IsValid());
        CSystem s = BrakeSystem();
        s.Sys_Notes = QStringLiteral("line 1\nline 2");
        QVERIFY(db.Model().AddSystem(s));
        CSystemList list;
        QVERIFY(db.Model().GetSystem(list, 1));
        QCOMPARE(list.first().Sys_Notes, s.Sys_Notes);
    }
    qunsetenv("QUILLON_SQL_LOG");
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 2);
    QVERIFY(lines[lines.size() - 2].contains("'line 1\\nline 2'"));
    QCOMPARE(lines.last(), QStringLiteral("SELECT * FROM System where Sys_ID=1"));
}

void TestModelDatabase::systemUnitsOfApplicationState()
{
    CTestDatabases db;
    QVERIFY(db.IsValid());
    const int sys = db.AddSystem("Brake");
    QString units = "unchanged", cost = "unchanged";
    db.State().GetSystemUnits(sys + 100, units, cost);
    QCOMPARE(units, QStringLiteral("unchanged"));
    db.State().GetSystemUnits(sys, units, cost);
    QCOMPARE(units, QStringLiteral("Train Mile"));
    QCOMPARE(cost, QStringLiteral("Dollars"));
}

QTEST_GUILESS_MAIN(TestModelDatabase)
#include "tst_ModelDatabase.moc"
