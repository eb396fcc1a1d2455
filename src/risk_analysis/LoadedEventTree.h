#pragma once

#include "model_store/EventTree.h"

// A hazard's whole event tree in memory, live and soft-deleted nodes, as one query returns it.
class CLoadedEventTree
{
public:
    CLoadedEventTree() = default;
    CLoadedEventTree(int hazId, CEventTreeNodeList nodes) { Assign(hazId, std::move(nodes)); }

    void Assign(int hazId, CEventTreeNodeList nodes);
    void Clear();

    int HazardId() const { return m_HazardId; }
    int Size() const { return int(m_Nodes.size()); }
    // The node with that identifier, null when the tree has none.
    const CEventTreeNode* Find(int eventId) const;
    // The accident rows, any DeleteFlag, in ascending identifier order.
    CEventTreeList Accidents() const;

private:
    int m_HazardId = 0;
    CEventTreeNodeList m_Nodes; // in ascending Event_ID order
};
