#include "risk_analysis/SystemRun.h"

#include "common/ApplicationState.h"
#include "common/Prompter.h"
#include "forms/NumberText.h"
#include "model_store/ModelDatabase.h"
#include "risk_analysis/LoadedEventTreeWalk.h"
#include "risk_analysis/ResultSink.h"
#include "risk_analysis/RunResultsValid.h"
#include "risk_analysis/StepwiseEventTreeWalk.h"

#include <QStringBuilder>

bool g_RunResultsValid = false;

namespace
{
const QString NoHazardMessage =
    QStringLiteral("The following system does not have an associated hazard to run");
const QString NoHazardStatus = QStringLiteral("No hazard for the system to run.......");
const QString SelectSystemMessage = QStringLiteral("Please select a System to run");
const QString SystemDetailsMessage = QStringLiteral("Unable to retrieve system details.");

// The run reads thousands of rows and writes none: one read transaction spares every statement
// its own locking and keeps the page cache valid from one statement to the next.
class CReadTransaction
{
public:
    explicit CReadTransaction(CModelDatabase& store)
        : m_Store(store), m_Open(store.BeginTransaction())
    {
    }
    ~CReadTransaction()
    {
        if (m_Open)
            m_Store.CommitTransaction();
    }
    CReadTransaction(const CReadTransaction&) = delete;
    CReadTransaction& operator=(const CReadTransaction&) = delete;

private:
    CModelDatabase& m_Store;
    bool m_Open;
};
} // namespace

CSystemRun::CSystemRun(CApplicationState& state, CResultSink* sink) : m_State(state), m_Sink(sink)
{
}

CSystemRun::~CSystemRun() = default;

void CSystemRun::OnRun()
{
    CPrompter::Status(
        QStringLiteral("Runs the system and display the output in the Result view......."));
    RunSystem();
}

void CSystemRun::RunSystem()
{
    g_RunResultsValid = true;
    m_SummaryList.clear();
    if (m_Sink)
        m_Sink->ClearResults();

    if (m_HasRootItem && !m_HasRootItem())
    {
        CPrompter::Message(SelectSystemMessage);
        return;
    }
    if (!m_State.m_pModelStore)
    {
        CPrompter::Message(SystemDetailsMessage);
        return;
    }

    CReadTransaction transaction(*m_State.m_pModelStore);
    m_AsplText = QStringLiteral("0");
    int hazardTotal = 0;
    QString systemsWithoutHazards;

    CSystemList systems;
    if (!m_State.m_pModelStore->GetSystem(systems, m_State.m_OpenSystemId))
    {
        CPrompter::Message(SystemDetailsMessage);
        return;
    }
    if (systems.isEmpty())
    {
        CPrompter::Message(SelectSystemMessage);
    }
    else
    {
        const CSystem& system = systems.front();
        m_AsplText = FormatScientific(system.Sys_TIR);
        m_HazardIndex = 0;
        m_AccidentIndex = 0;
        m_RunVersion = system.Version;

        if (m_Walk == Walk::LoadedOnce)
            m_TreeWalk = std::make_unique<CLoadedEventTreeWalk>(*m_State.m_pModelStore);
        else
            m_TreeWalk = std::make_unique<CStepwiseEventTreeWalk>(*m_State.m_pModelStore);
        m_UnitsRead = false;
        RunHazardsOf(system.Sys_ID);
        RunChildrenOf(system.Sys_ID);
        m_TreeWalk.reset();
        m_UnitsRead = false;

        hazardTotal += m_HazardIndex;
        if (m_HazardIndex == 0)
            systemsWithoutHazards +=
                u'\n' + QString::asprintf("%s (Version = %d)", qUtf8Printable(system.Sys_Name),
                                          system.Version);
    }

    if (hazardTotal == 0)
    {
        CPrompter::Message(NoHazardMessage + systemsWithoutHazards);
        CPrompter::Status(NoHazardStatus);
        g_RunResultsValid = false;
        return;
    }
    // The flag is set again here on purpose: a completed run shows its results even when a
    // hazard without accidents cleared the flag on the way.
    g_RunResultsValid = true;
    if (!systemsWithoutHazards.isEmpty())
    {
        CPrompter::Message(NoHazardMessage + systemsWithoutHazards);
        CPrompter::Status(NoHazardStatus);
    }
    if (m_RunFinished)
        m_RunFinished();
}

void CSystemRun::RunChildrenOf(int sysId)
{
    CSystemList children;
    if (!m_State.m_pModelStore->GetChildSystems(children, sysId))
    {
        CPrompter::Message(SystemDetailsMessage);
        return;
    }
    for (const CSystem& child : children)
    {
        m_AccidentIndex = 0;
        RunHazardsOf(child.Sys_ID);
        RunChildrenOf(child.Sys_ID);
    }
}

void CSystemRun::RunHazardsOf(int sysId)
{
    // RunHazardsOf and RunChildrenOf may be called on their own, outside RunSystem.
    std::unique_ptr<CEventTreeWalk> ownWalk;
    if (!m_TreeWalk)
    {
        if (m_Walk == Walk::LoadedOnce)
            ownWalk = std::make_unique<CLoadedEventTreeWalk>(*m_State.m_pModelStore);
        else
            ownWalk = std::make_unique<CStepwiseEventTreeWalk>(*m_State.m_pModelStore);
    }
    CEventTreeWalk& walk = m_TreeWalk ? *m_TreeWalk : *ownWalk;

    CHazardList hazards;
    if (!m_State.m_pModelStore->GetHazards(hazards, sysId))
        return;
    QList<int> hazardIds;
    hazardIds.reserve(hazards.size());
    for (const CHazard& hazard : hazards)
        hazardIds.append(hazard.Haz_ID);
    walk.Prepare(sysId, hazardIds);
    for (const CHazard& hazard : hazards)
    {
        ++m_HazardIndex;
        m_AccidentIndex = 0;
        m_TolerableRateText.clear();
        double totalRisk = 0.0;
        const int j = m_HazardIndex;
        const double exposure = hazard.Haz_Rate * hazard.Haz_Duration;

        if (!m_UnitsRead)
        {
            m_Units.clear();
            m_CostUnits.clear();
            m_State.GetSystemUnits(m_State.m_OpenSystemId, m_Units, m_CostUnits);
            m_UnitsRead = m_TreeWalk != nullptr; // kept only within RunSystem
        }
        const QString& units = m_Units;
        const QString& costUnits = m_CostUnits;
        const QString perUnits = QStringLiteral(" Per ") + units;
        const QString costPerUnits = u' ' + costUnits + u'/' + units;
        const QString hazardNumber = QString::number(j);
        const QString hazardLabel =
            QStringLiteral("H") + hazardNumber + QStringLiteral(" = ") + hazard.Haz_Name;
        const QString versionText = QString::number(m_RunVersion);
        const QString rateText = QLatin1String("HR") % hazardNumber % QLatin1String(" = ") %
                                 FormatScientific(hazard.Haz_Rate) % perUnits;
        const QString limitText = m_AsplText % costPerUnits;

        CEventTreeList accidents;
        walk.GetAccidents(accidents, hazard.Haz_ID);
        for (const CEventTree& accident : accidents)
        {
            if (walk.HasDeletedAncestor(accident.Event_ID))
                continue;
            const int k = ++m_AccidentIndex;
            const double probability = walk.AccidentProbability(hazard, accident);
            const double accidentRate = (accident.Accident_Number * exposure) * probability;
            const double risk = double(accident.Fatility) * accidentRate;
            const QString jk = hazardNumber % QString::number(k);
            const QLatin1String is(" = ");

            ResultRow row;
            row.HazardNumber = hazardNumber;
            row.HazardLabel = hazardLabel;
            row.RateText = rateText;
            row.AccidentLabel = QLatin1String("A") % jk % is % accident.Event_Name;
            row.ProbabilityText = QLatin1String("C") % jk % is % FormatScientific(probability);
            row.CostText = QLatin1String("S") % jk % is %
                           FormatFixed(double(accident.Fatility), 2) % u' ' % costUnits;
            row.RiskText = QLatin1String("CR") % jk % is % FormatScientific(risk) % costPerUnits;
            row.LimitText = limitText;
            row.AccidentRateText =
                QLatin1String("AR") % jk % is % FormatScientific(accidentRate) % perUnits;
            row.VersionText = versionText;
            if (m_Sink)
            {
                m_Sink->AddAccidentRateRow(row);
                m_Sink->AddCollectiveRiskRow(row);
            }
            totalRisk = totalRisk + risk;
        }

        ResultRow hazardRow;
        hazardRow.HazardNumber = hazardNumber;
        hazardRow.HazardLabel = hazardLabel;
        hazardRow.LimitText = limitText;
        hazardRow.TotalRiskText = FormatScientific(totalRisk) + costPerUnits;
        hazardRow.VersionText = versionText;

        // The limit enters the comparison as its number text reads (three-decimal mantissa).
        const double limit = m_AsplText.toDouble();
        if (limit >= totalRisk)
        {
            m_TolerableRateText = FormatScientific(hazard.Haz_Rate);
            Summary summary;
            summary.ValueA = hazard.Haz_Rate;
            summary.HazardId = hazard.Haz_ID;
            m_SummaryList.append(summary);
        }
        else
        {
            m_TolerableRateText = QStringLiteral("Initial Hazard Rate Not Acceptable");
        }

        if (m_AccidentIndex == 0)
        {
            CPrompter::Message(QStringLiteral("No associated accident found in the event tree for "
                                              "the selected hazard -  ") +
                               hazard.Haz_Name);
            CPrompter::Status(QStringLiteral("No accident found in the event tree......."));
            g_RunResultsValid = false;
        }
        else if (m_Sink)
        {
            m_Sink->AddResultRow(hazardRow);
        }
    }
}
