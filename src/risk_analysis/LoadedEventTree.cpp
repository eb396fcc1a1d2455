#include "risk_analysis/LoadedEventTree.h"

#include <algorithm>

void CLoadedEventTree::Assign(int hazId, const CEventTreeNodeList& nodes)
{
    Clear();
    m_HazardId = hazId;
    m_Nodes.reserve(nodes.size());
    for (const CEventTreeNode& node : nodes)
    {
        m_Nodes.insert(node.event.Event_ID, node);
        if (node.event.Event_Type == EventType::Accident)
            m_AccidentIds.append(node.event.Event_ID);
    }
    std::sort(m_AccidentIds.begin(), m_AccidentIds.end());
}

void CLoadedEventTree::Clear()
{
    m_HazardId = 0;
    m_Nodes.clear();
    m_AccidentIds.clear();
}

const CEventTreeNode* CLoadedEventTree::Find(int eventId) const
{
    const auto it = m_Nodes.constFind(eventId);
    return it == m_Nodes.constEnd() ? nullptr : &it.value();
}

CEventTreeList CLoadedEventTree::Accidents() const
{
    CEventTreeList list;
    list.reserve(m_AccidentIds.size());
    for (int id : m_AccidentIds)
        list.append(m_Nodes.value(id).event);
    return list;
}
