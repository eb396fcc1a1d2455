#pragma once

#include "model_store/EventTree.h"
#include "model_store/Hazard.h"
#include "model_store/System.h"

#include <QString>

#include <memory>

class CDatabaseConnection;

// The one way into the model database (Data/Quillon.mdb). Every operation runs its statement
// under the database's lock and returns false after the store's error message has been shown.
// Selections append to the caller's list, in ascending identifier order, and never clear it.
class CModelDatabase
{
public:
    CModelDatabase();
    ~CModelDatabase();
    CModelDatabase(const CModelDatabase&) = delete;
    CModelDatabase& operator=(const CModelDatabase&) = delete;

    // Opens an existing database file (default: CDataPaths::ModelDatabasePath()).
    bool Open(const QString& path = QString());
    bool IsOpen() const;
    void Close();
    // Creates a new database file with the three tables; refuses to touch an existing file.
    static bool Create(const QString& path, QString* error = nullptr);

    // Nesting-safe: only the outermost Begin/Commit pair reaches the engine.
    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();

    // Systems, subsystems and functions
    bool AddSystem(const CSystem& system, int* newId = nullptr);
    bool UpdateSystem(const CSystem& system, int sysId);
    bool RenameSystem(const QString& oldName, const QString& newName);
    bool SetSystemVersion(int sysId, int oldVersion, int newVersion);
    bool MarkSystemDeleted(int sysId);
    bool RecoverSystem(int sysId);
    bool DeleteSystem(int sysId);
    bool GetSystem(CSystemList& list, int sysId);
    bool GetSystemByName(CSystemList& list, const QString& name, int parentId);
    bool GetSystemVersion(CSystemList& list, const QString& name, int parentId, int version);
    bool GetLatestSystemVersion(CSystemList& list, const QString& name);
    bool GetFirstSystemOfEachName(CSystemList& list, int type);
    bool GetChildSystems(CSystemList& list, int parentId);
    bool GetAllChildSystems(CSystemList& list, int parentId);
    bool GetDeletedSystemsByName(CSystemList& list, int type, const QString& name);
    bool GetDeletedSystem(CSystemList& list, int sysId);

    // Hazards
    bool AddHazard(const CHazard& hazard, int* newId = nullptr);
    bool UpdateHazard(const CHazard& hazard, int hazId);
    bool MarkHazardDeleted(int hazId);
    bool RecoverHazard(int hazId);
    bool DeleteHazard(int hazId); // the hazard and all its Event rows
    bool DeleteHazardsOfSystem(int sysId);
    bool GetHazard(CHazardList& list, int hazId);
    bool GetHazardByName(CHazardList& list, const QString& name, int sysId);
    bool GetHazards(CHazardList& list, int sysId);
    bool GetDeletedHazards(CHazardList& list, int sysId);

    // Event tree nodes
    bool AddEvent(const CEventTree& event, int* newId = nullptr);
    bool UpdateEvent(const CEventTree& event, int eventId);
    bool RenameEvent(const CEventTree& node, const QString& newName, int hazId,
                     const QString& newTitle);
    bool MarkEventDeleted(int eventId);
    bool RecoverEvent(int eventId);
    bool DeleteEvent(int eventId);
    bool DeleteEventsOfHazard(int hazId);
    bool GetEvent(CEventTreeList& list, int eventId);
    bool GetActiveEvent(CEventTreeList& list, int eventId);
    bool GetEventOfHazard(CEventTreeList& list, int hazId, int eventId);
    bool GetEventByName(CEventTreeList& list, int hazId, const QString& name);
    bool GetChildEventByName(CEventTreeList& list, int hazId, int parentId, const QString& name);
    bool GetChildEvents(CEventTreeList& list, int hazId, int parentId, int branch);
    bool GetAllChildEvents(CEventTreeList& list, int hazId, int parentId, int branch);
    bool GetAccidents(CEventTreeList& list, int hazId);
    bool GetDeletedEvents(CEventTreeList& list, int sysId);

    // Every node of a hazard's tree, live and soft-deleted, with its DeleteFlag, in one query.
    bool GetEventTreeOfHazard(CEventTreeNodeList& list, int hazId);
    // Every node, live and soft-deleted, of every live hazard of one System row, in one query.
    bool GetEventTreesOfSystem(CEventTreeNodeList& list, int sysId);

private:
    std::unique_ptr<CDatabaseConnection> m_Connection;
};
