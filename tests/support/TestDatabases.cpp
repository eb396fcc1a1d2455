#include "TestDatabases.h"

#include "common/DataPaths.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

CTestDatabases::CTestDatabases() : m_PreviousRoot(CDataPaths::Root())
{
    if (!m_Dir.isValid())
        return;
    CDataPaths::SetRoot(m_Dir.path());
    QString error;
    m_Valid = CModelDatabase::Create(CDataPaths::ModelDatabasePath(), &error) &&
              CHistoryDatabase::Create(CDataPaths::HistoryDatabasePath(), &error) &&
              QDir().mkpath(CDataPaths::EventTreeDir()) && m_State.OpenDatabases();
    if (!m_Valid)
        qWarning("CTestDatabases: %s", qPrintable(error));
}

CTestDatabases::~CTestDatabases()
{
    m_State.m_pModelStore->Close();
    m_State.m_pHistoryStore->Close();
    CDataPaths::SetRoot(m_PreviousRoot);
}

int CTestDatabases::AddSystem(const QString& name, int version, int type, int parentId)
{
    CSystem s;
    s.Sys_Title = name;
    s.Sys_Name = name;
    s.Version = version;
    s.Type = type;
    s.Parent_ID = parentId;
    if (type == 0)
    {
        s.Sys_Units = QStringLiteral("Train Mile");
        s.Sys_FatalityUnits = QStringLiteral("Dollars");
    }
    int id = 0;
    if (!Model().AddSystem(s, &id))
        QTest::qFail("AddSystem failed", __FILE__, __LINE__);
    return id;
}

int CTestDatabases::AddHazard(int sysId, const QString& name, double rate, double duration)
{
    CHazard h;
    h.System_ID = sysId;
    h.Haz_Title = name;
    h.Haz_Name = name;
    h.Haz_Rate = rate;
    h.Haz_Duration = duration;
    int id = 0;
    if (!Model().AddHazard(h, &id))
        QTest::qFail("AddHazard failed", __FILE__, __LINE__);
    return id;
}

int CTestDatabases::AddEvent(int hazId, const QString& name, int parentId, int parentAction,
                             int eventType, double probability, double accidentNumber,
                             float fatility)
{
    CHazardList hazards;
    Model().GetHazard(hazards, hazId);
    CEventTree e;
    e.Sys_ID = hazards.isEmpty() ? 0 : hazards.first().System_ID;
    e.Haz_ID = hazId;
    e.Event_Title = name;
    e.Event_Name = name;
    e.Event_ParentID = parentId;
    e.Event_ParentAction = parentAction;
    e.Event_Type = eventType;
    e.Event_YesProbability = probability;
    e.Accident_Number = accidentNumber;
    e.Fatility = fatility;
    int id = 0;
    if (!Model().AddEvent(e, &id))
        QTest::qFail("AddEvent failed", __FILE__, __LINE__);
    return id;
}

bool CTestDatabases::RawExec(const QString& path, const QString& sql)
{
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(sql);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return ok;
}
