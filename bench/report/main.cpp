// Times the risk assessment report of a large generated model (run, pictures, document and
// file) and prints the time and the document size per hazard against their goals.

#include "../common/ModelGenerator.h"
#include "common/ApplicationState.h"
#include "common/DataPaths.h"
#include "event_tree_views/EventTreeDiagram.h"
#include "model_store/ModelDatabase.h"
#include "report/ReportDocument.h"
#include "report/RiskReport.h"
#include "risk_analysis/SystemRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int hazards = argc > 1 ? std::atoi(argv[1]) : 200;
    const int depth = argc > 2 ? std::atoi(argv[2]) : 4;
    constexpr double GoalMsPerHazard = 50.0;
    constexpr double GoalKbPerHazard = 60.0;

    QTemporaryDir dir;
    CDataPaths::SetRoot(dir.path());
    QDir().mkpath(CDataPaths::DataDir());
    const QString path = CDataPaths::ModelDatabasePath();
    CApplicationState state;
    state.m_pModelStore = std::make_unique<CModelDatabase>();
    if (!CModelDatabase::Create(path) || !state.m_pModelStore->Open(path))
        return 1;
    CGeneratedModel model;
    if (!GenerateModel(*state.m_pModelStore, hazards, depth, model))
        return 1;
    state.m_OpenSystemId = model.systemId;
    std::printf("model: %d hazards, %d event rows, trees of depth %d\n", model.hazards,
                model.eventRows, depth);

    // The run alone, for reference.
    CSystemRun run(state);
    QElapsedTimer timer;
    timer.start();
    run.RunSystem();
    const double runMs = double(timer.nsecsElapsed()) / 1e6;

    // The diagrams alone: build, draw and write every picture.
    CEventTreeDiagram diagram(state);
    CHazardList all;
    for (int sysId = model.systemId; sysId < model.systemId + 11; ++sysId)
        state.m_pModelStore->GetHazards(all, sysId);
    timer.restart();
    for (const CHazard& hazard : all)
    {
        state.m_CurrentHazardId = hazard.Haz_ID;
        state.m_CurrentHazardName = hazard.Haz_Name;
        diagram.BuildDiagram();
        diagram.SavePicture();
    }
    const double picturesMs = double(timer.nsecsElapsed()) / 1e6;

    CRiskReport report(state, run, diagram);
    timer.restart();
    const bool ok = report.OnRiskAssessmentReport();
    const double reportMs = double(timer.nsecsElapsed()) / 1e6;
    if (!ok)
    {
        std::fprintf(stderr, "the report failed\n");
        return 1;
    }
    const double bytes = double(QFileInfo(report.SavedPath()).size());
    const int written = report.m_HazardIndex;
    const double msPerHazard = reportMs / written;
    const double kbPerHazard = bytes / 1024.0 / written;

    std::printf("run alone:                 %9.1f ms (%.2f ms per hazard)\n", runMs,
                runMs / written);
    std::printf("pictures alone:            %9.1f ms (%.2f ms per hazard)\n", picturesMs,
                picturesMs / written);
    std::printf("whole report:              %9.1f ms for %d hazards, %d pictures\n", reportMs,
                written, int(report.Document()->Pictures().size()));
    std::printf("time per hazard:           %9.2f ms   goal < %.0f ms   ratio %.2f\n", msPerHazard,
                GoalMsPerHazard, msPerHazard / GoalMsPerHazard);
    std::printf("size per hazard:           %9.2f KB   goal < %.0f KB   ratio %.2f\n", kbPerHazard,
                GoalKbPerHazard, kbPerHazard / GoalKbPerHazard);
    std::printf("document:                  %9.0f KB  %s\n", bytes / 1024.0,
                qPrintable(QFileInfo(report.SavedPath()).fileName()));
    return 0;
}
