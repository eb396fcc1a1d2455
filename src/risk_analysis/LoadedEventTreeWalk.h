#pragma once

#include "risk_analysis/LoadedEventTree.h"
#include "risk_analysis/StepwiseEventTreeWalk.h"

#include <QHash>

class CModelDatabase;

// The walk the program uses: the hazard's tree is read with one query the first time it is
// asked about and walked in memory until another hazard is asked about or Forget is called.
// Whatever the loaded tree cannot answer (a parent outside the hazard, a failed load) goes to
// the store step by step, so the results are always those of CStepwiseEventTreeWalk.
class CLoadedEventTreeWalk : public CEventTreeWalk
{
public:
    explicit CLoadedEventTreeWalk(CModelDatabase& store) : m_Store(store), m_Stepwise(store) {}

    bool GetAccidents(CEventTreeList& list, int hazId) override;
    void AccumulatePathProbability(int hazId, int eventId, int branch, double& value) override;
    bool HasDeletedAncestor(int eventId) override;
    // Reads the trees of the given live hazards of the System row with one query.
    void Prepare(int sysId, const QList<int>& hazIds) override;

    // Drops the loaded tree, so that the next call reads the store again.
    void Forget();
    const CLoadedEventTree& Tree() const { return m_Tree; }

private:
    bool Load(int hazId);

    CModelDatabase& m_Store;
    CStepwiseEventTreeWalk m_Stepwise;
    CLoadedEventTree m_Tree;
    bool m_Loaded = false;
    QHash<int, CLoadedEventTree> m_Prepared; // by Haz_ID, taken out as they are asked about
};
