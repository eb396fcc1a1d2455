#pragma once

#include "model_store/EventTree.h"
#include "model_store/Hazard.h"

// The evaluations of a hazard's event tree. Two walks give the same results, the order of the
// floating-point factors included: one store query per step (the reference) and a walk over the
// hazard's tree loaded with one query (what the program uses).
class CEventTreeWalk
{
public:
    virtual ~CEventTreeWalk() = default;

    // Every accident row of the hazard, live or not, in ascending identifier order. Appends.
    virtual bool GetAccidents(CEventTreeList& list, int hazId) = 0;
    // Multiplies value by the factors of the path from branch `branch` of event `eventId` up to
    // the first event of the hazard's tree, the parent's factor first: p for a Yes branch,
    // 1 - p otherwise. A node's probability is this with 1.0, its parent and its branch.
    virtual void AccumulatePathProbability(int hazId, int eventId, int branch, double& value) = 0;
    // True when the node or one of its ancestors is missing or soft-deleted.
    virtual bool HasDeletedAncestor(int eventId) = 0;

    // Says which hazards of one System row are about to be asked about, so that a walk may read
    // their trees at once. Changes no result.
    virtual void Prepare(int sysId, const QList<int>& hazIds)
    {
        Q_UNUSED(sysId);
        Q_UNUSED(hazIds);
    }

    // The path probability of one node of the hazard.
    double PathProbability(int hazId, const CEventTree& node);
    // Cjk of an accident as the run and the report take it: the stored probability when the
    // hazard takes its probabilities from the database, else the path probability.
    double AccidentProbability(const CHazard& hazard, const CEventTree& accident);
    // The accidents that still belong to the live tree, in ascending identifier order.
    CEventTreeList CountedAccidents(int hazId);
    // 1 - the sum of the path probabilities of the counted accidents.
    double SafeStateProbability(int hazId);
};
