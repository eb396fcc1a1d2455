#include "risk_analysis/LoadedEventTreeWalk.h"

#include "model_store/ModelDatabase.h"

bool CLoadedEventTreeWalk::Load(int hazId)
{
    if (m_Loaded && m_Tree.HazardId() == hazId)
        return true;
    m_Loaded = false;
    m_Tree.Clear();
    CEventTreeNodeList nodes;
    if (!m_Store.GetEventTreeOfHazard(nodes, hazId))
        return false;
    m_Tree.Assign(hazId, nodes);
    m_Loaded = true;
    return true;
}

void CLoadedEventTreeWalk::Forget()
{
    m_Loaded = false;
    m_Tree.Clear();
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
