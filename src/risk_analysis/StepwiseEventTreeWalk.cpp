#include "risk_analysis/StepwiseEventTreeWalk.h"

#include "model_store/ModelDatabase.h"

#include <QSet>

bool CStepwiseEventTreeWalk::GetAccidents(CEventTreeList& list, int hazId)
{
    return m_Store.GetAccidents(list, hazId);
}

void CStepwiseEventTreeWalk::AccumulatePathProbability(int hazId, int eventId, int branch,
                                                       double& value)
{
    // A damaged file could hold a cycle of parents; the walk ends where it would repeat itself.
    QSet<int> visited;
    while (!visited.contains(eventId))
    {
        visited.insert(eventId);
        CEventTreeList rows;
        if (!m_Store.GetEventOfHazard(rows, hazId, eventId) || rows.isEmpty())
            return;
        const CEventTree& row = rows.front();
        const double p = row.Event_YesProbability;
        if (branch == ParentAction::Yes)
            value = value * p;
        else
            value = (1 - p) * value;
        if (row.Event_ParentID == 0)
            return;
        eventId = row.Event_ParentID;
        branch = row.Event_ParentAction;
    }
}

bool CStepwiseEventTreeWalk::HasDeletedAncestor(int eventId)
{
    QSet<int> visited;
    while (!visited.contains(eventId))
    {
        visited.insert(eventId);
        CEventTreeList rows;
        if (!m_Store.GetActiveEvent(rows, eventId))
            return false;
        if (rows.isEmpty())
            return true;
        if (rows.front().Event_ParentID == 0)
            return false;
        eventId = rows.front().Event_ParentID;
    }
    return true; // a cycle never reaches the hazard
}
