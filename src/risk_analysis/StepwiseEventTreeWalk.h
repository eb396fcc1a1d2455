#pragma once

#include "risk_analysis/EventTreeWalk.h"

class CModelDatabase;

// The reference walk: every step is one store query, nothing is kept between calls.
class CStepwiseEventTreeWalk : public CEventTreeWalk
{
public:
    explicit CStepwiseEventTreeWalk(CModelDatabase& store) : m_Store(store) {}

    bool GetAccidents(CEventTreeList& list, int hazId) override;
    void AccumulatePathProbability(int hazId, int eventId, int branch, double& value) override;
    bool HasDeletedAncestor(int eventId) override;

private:
    CModelDatabase& m_Store;
};
