#include "risk_analysis/LoadedEventTree.h"

#include <algorithm>

namespace
{
bool ById(const CEventTreeNode& a, const CEventTreeNode& b)
{
    return a.event.Event_ID < b.event.Event_ID;
}
} // namespace

void CLoadedEventTree::Assign(int hazId, CEventTreeNodeList nodes)
{
    m_HazardId = hazId;
    m_Nodes = std::move(nodes);
    // The store hands rows over in identifier order; sorting is only a safeguard.
    if (!std::is_sorted(m_Nodes.cbegin(), m_Nodes.cend(), ById))
        std::stable_sort(m_Nodes.begin(), m_Nodes.end(), ById);
}

void CLoadedEventTree::Clear()
{
    m_HazardId = 0;
    m_Nodes.clear();
}

const CEventTreeNode* CLoadedEventTree::Find(int eventId) const
{
    const auto it = std::lower_bound(m_Nodes.cbegin(), m_Nodes.cend(), eventId,
                                     [](const CEventTreeNode& node, int id)
                                     { return node.event.Event_ID < id; });
    return it != m_Nodes.cend() && it->event.Event_ID == eventId ? &*it : nullptr;
}

CEventTreeList CLoadedEventTree::Accidents() const
{
    CEventTreeList list;
    for (const CEventTreeNode& node : m_Nodes)
    {
        if (node.event.Event_Type == EventType::Accident)
            list.append(node.event);
    }
    return list;
}
