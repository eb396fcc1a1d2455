#include "model_store/ModelDatabase.h"

#include "common/DataPaths.h"
#include "model_store/DatabaseConnection.h"
#include "model_store/EventTreeRecset.h"
#include "model_store/HazardRecset.h"
#include "model_store/SystemRecset.h"

#include <QStringList>

namespace
{
// Column order is part of the file format: the record bindings read by ordinal. The counters
// never reuse an identifier (AUTOINCREMENT), as pictures are named after Haz_ID.
const QStringList& Schema()
{
    static const QStringList schema = {
        QStringLiteral("CREATE TABLE System (Sys_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "Sys_Title VARCHAR(199), Sys_Name VARCHAR(199), Sys_Analyst VARCHAR(199), "
                       "Sys_Approvedby VARCHAR(199), Sys_TIR DOUBLE, Sys_Units VARCHAR(199), "
                       "Sys_FatalityUnits VARCHAR(199), Sys_FunctionDesc TEXT, Sys_Notes TEXT, "
                       "Sys_RefDoc TEXT, Sys_Date DATETIME, Parent_ID INTEGER, Type INTEGER, "
                       "Version INTEGER, DeleteFlag INTEGER DEFAULT 0, ProbFromDatabase INTEGER)"),
        QStringLiteral(
            "CREATE TABLE Hazard (Haz_ID INTEGER PRIMARY KEY AUTOINCREMENT, System_ID INTEGER, "
            "Haz_Title VARCHAR(199), Haz_Name VARCHAR(199), Haz_Analyst VARCHAR(199), "
            "Haz_Approvedby VARCHAR(199), Haz_Duration DOUBLE, Haz_ExposureTime DOUBLE, "
            "Haz_Mitigation TEXT, Haz_Notes TEXT, Haz_Validation TEXT, Haz_Rate DOUBLE, "
            "Tolerable_HR DOUBLE, DeleteFlag INTEGER DEFAULT 0, IsProbFromDatabase INTEGER)"),
        QStringLiteral(
            "CREATE TABLE Event (Event_ID INTEGER PRIMARY KEY AUTOINCREMENT, Sys_ID INTEGER, "
            "Haz_ID INTEGER, Event_Title VARCHAR(199), Event_Name VARCHAR(199), "
            "Event_YesProbability DOUBLE, Event_ParentID INTEGER, Event_Analyst VARCHAR(199), "
            "Event_Approvedby VARCHAR(199), Event_FunctionDesc TEXT, Event_Type INTEGER, "
            "Accident_Number DOUBLE, Fatility DOUBLE, Exposed INTEGER, "
            "Event_ParentAction INTEGER, DeleteFlag INTEGER DEFAULT 0)"),
        QStringLiteral("CREATE INDEX Event_Haz_ID ON Event (Haz_ID)"),
        QStringLiteral("CREATE INDEX Event_Event_ParentID ON Event (Event_ParentID)"),
        QStringLiteral("CREATE INDEX Hazard_System_ID ON Hazard (System_ID)"),
        QStringLiteral("CREATE INDEX System_Parent_ID ON System (Parent_ID)"),
        QStringLiteral("CREATE INDEX System_Sys_Name ON System (Sys_Name)"),
    };
    return schema;
}
} // namespace

CModelDatabase::CModelDatabase()
    : m_Connection(std::make_unique<CDatabaseConnection>(
          QStringLiteral("Unable to connect to the Database")))
{
}

CModelDatabase::~CModelDatabase() = default;

bool CModelDatabase::Open(const QString& path)
{
    return m_Connection->Open(path.isEmpty() ? CDataPaths::ModelDatabasePath() : path);
}

bool CModelDatabase::IsOpen() const
{
    return m_Connection->IsOpen();
}

void CModelDatabase::Close()
{
    m_Connection->Close();
}

bool CModelDatabase::Create(const QString& path, QString* error)
{
    return CDatabaseConnection::CreateDatabase(path, Schema(), error);
}

bool CModelDatabase::BeginTransaction()
{
    return m_Connection->BeginTransaction();
}

bool CModelDatabase::CommitTransaction()
{
    return m_Connection->CommitTransaction();
}

void CModelDatabase::RollbackTransaction()
{
    m_Connection->RollbackTransaction();
}

// Systems

bool CModelDatabase::AddSystem(const CSystem& system, int* newId)
{
    return CSystemRecset(*m_Connection).Insert(system, newId);
}

bool CModelDatabase::UpdateSystem(const CSystem& system, int sysId)
{
    return CSystemRecset(*m_Connection).Update(system, sysId);
}

bool CModelDatabase::RenameSystem(const QString& oldName, const QString& newName)
{
    return CSystemRecset(*m_Connection).Rename(oldName, newName);
}

bool CModelDatabase::SetSystemVersion(int sysId, int oldVersion, int newVersion)
{
    return CSystemRecset(*m_Connection).SetVersion(sysId, oldVersion, newVersion);
}

bool CModelDatabase::MarkSystemDeleted(int sysId)
{
    return CSystemRecset(*m_Connection).MarkDeleted(sysId);
}

bool CModelDatabase::RecoverSystem(int sysId)
{
    return CSystemRecset(*m_Connection).Recover(sysId);
}

bool CModelDatabase::DeleteSystem(int sysId)
{
    return CSystemRecset(*m_Connection).Delete(sysId);
}

bool CModelDatabase::GetSystem(CSystemList& list, int sysId)
{
    return CSystemRecset(*m_Connection).SelectById(list, sysId);
}

bool CModelDatabase::GetSystemByName(CSystemList& list, const QString& name, int parentId)
{
    return CSystemRecset(*m_Connection).SelectByName(list, name, parentId);
}

bool CModelDatabase::GetSystemVersion(CSystemList& list, const QString& name, int parentId,
                                      int version)
{
    return CSystemRecset(*m_Connection).SelectVersion(list, name, parentId, version);
}

bool CModelDatabase::GetLatestSystemVersion(CSystemList& list, const QString& name)
{
    return CSystemRecset(*m_Connection).SelectLatestVersion(list, name);
}

bool CModelDatabase::GetFirstSystemOfEachName(CSystemList& list, int type)
{
    return CSystemRecset(*m_Connection).SelectFirstOfEachName(list, type);
}

bool CModelDatabase::GetChildSystems(CSystemList& list, int parentId)
{
    return CSystemRecset(*m_Connection).SelectChildren(list, parentId);
}

bool CModelDatabase::GetAllChildSystems(CSystemList& list, int parentId)
{
    return CSystemRecset(*m_Connection).SelectAllChildren(list, parentId);
}

bool CModelDatabase::GetDeletedSystemsByName(CSystemList& list, int type, const QString& name)
{
    return CSystemRecset(*m_Connection).SelectDeletedByName(list, type, name);
}

bool CModelDatabase::GetDeletedSystem(CSystemList& list, int sysId)
{
    return CSystemRecset(*m_Connection).SelectDeleted(list, sysId);
}

// Hazards

bool CModelDatabase::AddHazard(const CHazard& hazard, int* newId)
{
    return CHazardRecset(*m_Connection).Insert(hazard, newId);
}

bool CModelDatabase::UpdateHazard(const CHazard& hazard, int hazId)
{
    return CHazardRecset(*m_Connection).Update(hazard, hazId);
}

bool CModelDatabase::MarkHazardDeleted(int hazId)
{
    return CHazardRecset(*m_Connection).MarkDeleted(hazId);
}

bool CModelDatabase::RecoverHazard(int hazId)
{
    return CHazardRecset(*m_Connection).Recover(hazId);
}

bool CModelDatabase::DeleteHazard(int hazId)
{
    return CHazardRecset(*m_Connection).DeleteWithEvents(hazId);
}

bool CModelDatabase::DeleteHazardsOfSystem(int sysId)
{
    return CHazardRecset(*m_Connection).DeleteOfSystem(sysId);
}

bool CModelDatabase::GetHazard(CHazardList& list, int hazId)
{
    return CHazardRecset(*m_Connection).SelectById(list, hazId);
}

bool CModelDatabase::GetHazardByName(CHazardList& list, const QString& name, int sysId)
{
    return CHazardRecset(*m_Connection).SelectByName(list, name, sysId);
}

bool CModelDatabase::GetHazards(CHazardList& list, int sysId)
{
    return CHazardRecset(*m_Connection).SelectOfSystem(list, sysId);
}

bool CModelDatabase::GetDeletedHazards(CHazardList& list, int sysId)
{
    return CHazardRecset(*m_Connection).SelectDeleted(list, sysId);
}

// Event tree nodes

bool CModelDatabase::AddEvent(const CEventTree& event, int* newId)
{
    return CEventTreeRecset(*m_Connection).Insert(event, newId);
}

bool CModelDatabase::UpdateEvent(const CEventTree& event, int eventId)
{
    return CEventTreeRecset(*m_Connection).Update(event, eventId);
}

bool CModelDatabase::RenameEvent(const CEventTree& node, const QString& newName, int hazId,
                                 const QString& newTitle)
{
    return CEventTreeRecset(*m_Connection).Rename(node, newName, hazId, newTitle);
}

bool CModelDatabase::MarkEventDeleted(int eventId)
{
    return CEventTreeRecset(*m_Connection).MarkDeleted(eventId);
}

bool CModelDatabase::RecoverEvent(int eventId)
{
    return CEventTreeRecset(*m_Connection).Recover(eventId);
}

bool CModelDatabase::DeleteEvent(int eventId)
{
    return CEventTreeRecset(*m_Connection).Delete(eventId);
}

bool CModelDatabase::DeleteEventsOfHazard(int hazId)
{
    return CEventTreeRecset(*m_Connection).DeleteOfHazard(hazId);
}

bool CModelDatabase::GetEvent(CEventTreeList& list, int eventId)
{
    return CEventTreeRecset(*m_Connection).SelectById(list, eventId);
}

bool CModelDatabase::GetActiveEvent(CEventTreeList& list, int eventId)
{
    return CEventTreeRecset(*m_Connection).SelectActive(list, eventId);
}

bool CModelDatabase::GetEventOfHazard(CEventTreeList& list, int hazId, int eventId)
{
    return CEventTreeRecset(*m_Connection).SelectOfHazard(list, hazId, eventId);
}

bool CModelDatabase::GetEventByName(CEventTreeList& list, int hazId, const QString& name)
{
    return CEventTreeRecset(*m_Connection).SelectByName(list, hazId, name);
}

bool CModelDatabase::GetChildEventByName(CEventTreeList& list, int hazId, int parentId,
                                         const QString& name)
{
    return CEventTreeRecset(*m_Connection).SelectChildByName(list, hazId, parentId, name);
}

bool CModelDatabase::GetChildEvents(CEventTreeList& list, int hazId, int parentId, int branch)
{
    return CEventTreeRecset(*m_Connection).SelectChildren(list, hazId, parentId, branch);
}

bool CModelDatabase::GetAllChildEvents(CEventTreeList& list, int hazId, int parentId, int branch)
{
    return CEventTreeRecset(*m_Connection).SelectAllChildren(list, hazId, parentId, branch);
}

bool CModelDatabase::GetAccidents(CEventTreeList& list, int hazId)
{
    return CEventTreeRecset(*m_Connection).SelectAccidents(list, hazId);
}

bool CModelDatabase::GetDeletedEvents(CEventTreeList& list, int sysId)
{
    return CEventTreeRecset(*m_Connection).SelectDeleted(list, sysId);
}

bool CModelDatabase::GetEventTreeOfHazard(CEventTreeNodeList& list, int hazId)
{
    return CEventTreeRecset(*m_Connection).SelectTree(list, hazId);
}

bool CModelDatabase::GetEventTreesOfSystem(CEventTreeNodeList& list, int sysId)
{
    return CEventTreeRecset(*m_Connection).SelectTreesOfSystem(list, sysId);
}
