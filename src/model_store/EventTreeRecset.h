#pragma once

#include "model_store/EventTree.h"

#include <QString>

class CDatabaseConnection;

// Runs the statements of table Event (the nodes of the hazards' event trees).
class CEventTreeRecset
{
public:
    explicit CEventTreeRecset(CDatabaseConnection& connection) : m_Connection(connection) {}

    bool Insert(const CEventTree& event, int* newId);
    bool Update(const CEventTree& event, int eventId);
    bool Rename(const CEventTree& node, const QString& newName, int hazId, const QString& newTitle);
    bool MarkDeleted(int eventId);
    bool Recover(int eventId);
    bool Delete(int eventId);
    bool DeleteOfHazard(int hazId);

    bool SelectById(CEventTreeList& list, int eventId);
    bool SelectActive(CEventTreeList& list, int eventId);
    bool SelectOfHazard(CEventTreeList& list, int hazId, int eventId);
    bool SelectByName(CEventTreeList& list, int hazId, const QString& name);
    bool SelectChildByName(CEventTreeList& list, int hazId, int parentId, const QString& name);
    bool SelectChildren(CEventTreeList& list, int hazId, int parentId, int branch);
    bool SelectAllChildren(CEventTreeList& list, int hazId, int parentId, int branch);
    bool SelectAccidents(CEventTreeList& list, int hazId);
    bool SelectDeleted(CEventTreeList& list, int sysId);
    bool SelectTree(CEventTreeNodeList& list, int hazId);
    // The nodes of every live hazard of one System row.
    bool SelectTreesOfSystem(CEventTreeNodeList& list, int sysId);

private:
    bool Select(CEventTreeList& list, const QString& statement);

    CDatabaseConnection& m_Connection;
    QString m_Statement;
};
