#include "risk_analysis/EventTreeWalk.h"

double CEventTreeWalk::PathProbability(int hazId, const CEventTree& node)
{
    double value = 1.0;
    AccumulatePathProbability(hazId, node.Event_ParentID, node.Event_ParentAction, value);
    return value;
}

double CEventTreeWalk::AccidentProbability(const CHazard& hazard, const CEventTree& accident)
{
    if (hazard.IsProbFromDatabase)
        return accident.Event_YesProbability;
    return PathProbability(hazard.Haz_ID, accident);
}

CEventTreeList CEventTreeWalk::CountedAccidents(int hazId)
{
    CEventTreeList accidents;
    GetAccidents(accidents, hazId);
    CEventTreeList counted;
    for (const CEventTree& accident : accidents)
    {
        if (!HasDeletedAncestor(accident.Event_ID))
            counted.append(accident);
    }
    return counted;
}

double CEventTreeWalk::SafeStateProbability(int hazId)
{
    double sum = 0.0;
    for (const CEventTree& accident : CountedAccidents(hazId))
        sum += PathProbability(hazId, accident);
    return 1.0 - sum;
}
