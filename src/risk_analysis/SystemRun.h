#pragma once

#include "risk_analysis/Summary.h"

#include <QString>

#include <functional>
#include <memory>

class CApplicationState;
class CResultSink;
class CEventTreeWalk;

// Runs the open system: numbers its hazards in tree order, evaluates each hazard's event tree,
// delivers the rows of the three result lists to a sink and keeps the run state that the report
// reads afterwards. Writes nothing to the database. The system tree view owns one; the
// command-line program and the report use it as it is.
class CSystemRun
{
public:
    // Which event tree walk the run uses: the hazard's tree loaded with one query (the
    // program's), or one store query per step (the reference, kept for tests and benchmarks).
    enum class Walk
    {
        LoadedOnce,
        StatementPerStep
    };

    explicit CSystemRun(CApplicationState& state, CResultSink* sink = nullptr);
    ~CSystemRun();
    CSystemRun(const CSystemRun&) = delete;
    CSystemRun& operator=(const CSystemRun&) = delete;

    void SetResultSink(CResultSink* sink) { m_Sink = sink; }
    void SetWalk(Walk walk) { m_Walk = walk; }

    // Hooks for the system tree view: whether the tree has a root item (a run without one
    // stops with "Please select a System to run"; default: yes), and what to do after a
    // completed run (repaint the event tree diagram, rebuild the editor; default: nothing).
    void SetHasRootItem(std::function<bool()> hasRootItem)
    {
        m_HasRootItem = std::move(hasRootItem);
    }
    void SetRunFinished(std::function<void()> runFinished)
    {
        m_RunFinished = std::move(runFinished);
    }

    // The Run command: status text, then RunSystem.
    void OnRun();
    // Runs the system whose Sys_ID the application state holds as the open system.
    void RunSystem();
    // Runs the live hazards of one System row.
    void RunHazardsOf(int sysId);
    // Runs the live subsystems and functions below one System row, depth first.
    void RunChildrenOf(int sysId);

    // Run state, read by the report after a run.
    SummaryList m_SummaryList;
    QString m_TolerableRateText;
    QString m_AsplText;
    int m_HazardIndex = 0;
    int m_AccidentIndex = 0;
    int m_RunVersion = 0;

private:
    CApplicationState& m_State;
    CResultSink* m_Sink = nullptr;
    Walk m_Walk = Walk::LoadedOnce;
    std::unique_ptr<CEventTreeWalk> m_TreeWalk; // alive during a run
    // The open system's units, read once per run: nothing changes them while it runs.
    bool m_UnitsRead = false;
    QString m_Units;
    QString m_CostUnits;
    std::function<bool()> m_HasRootItem;
    std::function<void()> m_RunFinished;
};
