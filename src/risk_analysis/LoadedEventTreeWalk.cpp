#include "risk_analysis/LoadedEventTreeWalk.h"

#include "model_store/ModelDatabase.h"

bool CLoadedEventTreeWalk::Load(int hazId)
{
    if (m_Loaded && m_Tree.HazardId() == hazId)
        return true;
    m_Loaded = false;
    m_Tree.Clear();
    const auto prepared = m_Prepared.find(hazId);
    if (prepared != m_Prepared.end())
    {
        m_Tree = std::move(prepared.value());
        m_Prepared.erase(prepared);
        m_Loaded = true;
        return true;
    }
    CEventTreeNodeList nodes;
    if (!m_Store.GetEventTreeOfHazard(nodes, hazId))
        return false;
    m_Tree.Assign(hazId, std::move(nodes));
    m_Loaded = true;
    return true;
}

void CLoadedEventTreeWalk::Forget()
{
    m_Loaded = false;
    m_Tree.Clear();
    m_Prepared.clear();
}

void CLoadedEventTreeWalk::Prepare(int sysId, const QList<int>& hazIds)
{
    m_Prepared.clear();
    CEventTreeNodeList nodes;
    if (hazIds.isEmpty() || !m_Store.GetEventTreesOfSystem(nodes, sysId))
        return; // each hazard is then read on its own
    QHash<int, CEventTreeNodeList> byHazard;
    for (int hazId : hazIds)
        byHazard.insert(hazId, {});
    for (CEventTreeNode& node : nodes)
    {
        const auto it = byHazard.find(node.event.Haz_ID);
        if (it != byHazard.end())
            it->append(std::move(node));
    }
    for (auto it = byHazard.begin(); it != byHazard.end(); ++it)
        m_Prepared.insert(it.key(), CLoadedEventTree(it.key(), std::move(it.value())));
}

bool CLoadedEventTreeWalk::GetAccidents(CEventTreeList& list, int hazId)
{
    if (!Load(hazId))
        return m_Stepwise.GetAccidents(list, hazId);
    list.append(m_Tree.Accidents());
    return true;
}

void CLoadedEventTreeWalk::AccumulatePathProbability(int hazId, int eventId, int branch,
                                                     double& value)
{
    if (!Load(hazId))
    {
        m_Stepwise.AccumulatePathProbability(hazId, eventId, branch, value);
        return;
    }
    // The loaded tree holds every node of the hazard, so a missing node ends the walk as the
    // store's lookup by hazard and identifier would. More steps than nodes means a cycle.
    for (int steps = 0; steps <= m_Tree.Size(); ++steps)
    {
        const CEventTreeNode* node = m_Tree.Find(eventId);
        if (!node)
            return;
        const double p = node->event.Event_YesProbability;
        if (branch == ParentAction::Yes)
            value = value * p;
        else
            value = (1 - p) * value;
        if (node->event.Event_ParentID == 0)
            return;
        eventId = node->event.Event_ParentID;
        branch = node->event.Event_ParentAction;
    }
}

bool CLoadedEventTreeWalk::HasDeletedAncestor(int eventId)
{
    if (!m_Loaded)
        return m_Stepwise.HasDeletedAncestor(eventId);
    for (int steps = 0; steps <= m_Tree.Size(); ++steps)
    {
        const CEventTreeNode* node = m_Tree.Find(eventId);
        if (!node)
            return m_Stepwise.HasDeletedAncestor(eventId); // not of this hazard: ask the store
        if (node->DeleteFlag != 0)
            return true;
        if (node->event.Event_ParentID == 0)
            return false;
        eventId = node->event.Event_ParentID;
    }
    return true; // a cycle never reaches the hazard
}
