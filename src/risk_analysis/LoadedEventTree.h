#pragma once

#include "model_store/EventTree.h"

#include <QHash>

// A hazard's whole event tree in memory, live and soft-deleted nodes, as one query returns it.
class CLoadedEventTree
{
public:
    CLoadedEventTree() = default;
    CLoadedEventTree(int hazId, const CEventTreeNodeList& nodes) { Assign(hazId, nodes); }

    void Assign(int hazId, const CEventTreeNodeList& nodes);
    void Clear();

    int HazardId() const { return m_HazardId; }
    int Size() const { return int(m_Nodes.size()); }
    // The node with that identifier, null when the tree has none.
    const CEventTreeNode* Find(int eventId) const;
    // The accident rows, any DeleteFlag, in ascending identifier order.
    CEventTreeList Accidents() const;

private:
    int m_HazardId = 0;
    QHash<int, CEventTreeNode> m_Nodes;
    QList<int> m_AccidentIds;
};
