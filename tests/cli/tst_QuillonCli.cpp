#include "RecordingPrompter.h"

#include "model_store/ModelDatabase.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace
{
struct CRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CRun Quillon(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_BINARY_DIR "/src/quillon"), args);
    CRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList Columns(const QString& path, const QString& table)
{
    QStringList names;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cols"));
        db.setDatabaseName(path);
        if (db.open())
        {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
            while (q.next())
                names << q.value(1).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cols"));
    return names;
}
} // namespace

class TestQuillonCli : public QObject
{
    Q_OBJECT

private slots:
    void initCreatesTablesAndRefusesTwice();
    void systemsListsLiveVersions();
    void missingDatabaseExitsOne();
    void unknownCommand();
};

void TestQuillonCli::initCreatesTablesAndRefusesTwice()
{
    QTemporaryDir dir;
    const CRun first = Quillon({"--data", dir.path(), "init"});
    QCOMPARE(first.exitCode, 0);
    QVERIFY(QFileInfo(dir.filePath("EventTree")).isDir());

    const QString model = dir.filePath("Data/Quillon.mdb");
    const QString history = dir.filePath("Data/QuillonHistory.mdb");
    QCOMPARE(Columns(model, "System"),
             QStringList({"Sys_ID", "Sys_Title", "Sys_Name", "Sys_Analyst", "Sys_Approvedby",
                          "Sys_TIR", "Sys_Units", "Sys_FatalityUnits", "Sys_FunctionDesc",
                          "Sys_Notes", "Sys_RefDoc", "Sys_Date", "Parent_ID", "Type", "Version",
                          "DeleteFlag", "ProbFromDatabase"}));
    QCOMPARE(Columns(model, "Hazard"),
             QStringList({"Haz_ID", "System_ID", "Haz_Title", "Haz_Name", "Haz_Analyst",
                          "Haz_Approvedby", "Haz_Duration", "Haz_ExposureTime", "Haz_Mitigation",
                          "Haz_Notes", "Haz_Validation", "Haz_Rate", "Tolerable_HR", "DeleteFlag",
                          "IsProbFromDatabase"}));
    QCOMPARE(Columns(model, "Event"),
             QStringList({"Event_ID", "Sys_ID", "Haz_ID", "Event_Title", "Event_Name",
                          "Event_YesProbability", "Event_ParentID", "Event_Analyst",
                          "Event_Approvedby", "Event_FunctionDesc", "Event_Type", "Accident_Number",
                          "Fatility", "Exposed", "Event_ParentAction", "DeleteFlag"}));
    QCOMPARE(Columns(history, "Event_History").mid(1),
             QStringList({"Event_Name", "Event_Description", "Event_Probability"}));
    QCOMPARE(Columns(history, "Accident_Master").mid(1),
             QStringList({"Accident_Name", "Description"}));
    QCOMPARE(Columns(history, "Accident_History"),
             QStringList({"ID", "Accident_ID", "Fatality_1", "Fatality_2", "Fatality_3",
                          "Other_Fatality", "Person_Exposed", "Weight_1", "Weight_2", "Weight_3",
                          "OtherFatalityWeight", "Name"}));

    // A second init, or one with only the history database there, refuses and keeps the files.
    const qint64 size = QFileInfo(model).size();
    const CRun second = Quillon({"--data", dir.path(), "init"});
    QCOMPARE(second.exitCode, 1);
    QVERIFY2(second.err.contains("already exists"), qPrintable(second.err));
    QCOMPARE(QFileInfo(model).size(), size);
    QVERIFY(QFile::remove(model));
    QCOMPARE(Quillon({"--data", dir.path(), "init"}).exitCode, 1);
    QVERIFY(!QFileInfo::exists(model));
}

void TestQuillonCli::systemsListsLiveVersions()
{
    // Characters that mean something in a database URI must not confuse the open.
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quillon #1 ?x %20-XXXXXX"));
    QCOMPARE(Quillon({"--data", dir.path(), "init"}).exitCode, 0);
    {
        CRecordingPrompter prompter; // the store stays quiet
        CModelDatabase store;
        QVERIFY(store.Open(dir.filePath("Data/Quillon.mdb")));
        const auto add = [&](const QString& name, int version, int type = 0, int parent = 0)
        {
            CSystem s;
            s.Sys_Name = s.Sys_Title = name;
            s.Version = version;
            s.Type = type;
            s.Parent_ID = parent;
            int id = 0;
            store.AddSystem(s, &id);
            return id;
        };
        const int brake1 = add("Brake", 1);
        add("Door's lock", 1);
        add("Brake", 2);
        add("Sub", 0, 1, brake1);
        const int gone = add("Gone", 1);
        QVERIFY(store.MarkSystemDeleted(gone));
        QVERIFY(store.MarkSystemDeleted(brake1));
        QVERIFY(prompter.entries.isEmpty());
    }
    const CRun run = Quillon({"--data", dir.path(), "systems"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("2\tDoor's lock\t1\n3\tBrake\t2\n"));
}

void TestQuillonCli::missingDatabaseExitsOne()
{
    QTemporaryDir dir;
    const CRun run = Quillon({"--data", dir.path(), "systems"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, QStringLiteral("message:  Item with given name already exists in the "
                                     "database or Recover window.\n"
                                     "message: Unable to initialize the database\n"));
    QVERIFY(!QFileInfo::exists(dir.filePath("Data/Quillon.mdb")));
}

void TestQuillonCli::unknownCommand()
{
    const CRun run = Quillon({"frobnicate"});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains("usage: quillon"));
}

QTEST_GUILESS_MAIN(TestQuillonCli)
#include "tst_QuillonCli.moc"
