// Times the system run over a large generated model, with the event trees read once and
// with one store query per step, against the floor of reading every Event row once.

#include "../common/ModelGenerator.h"
#include "common/ApplicationState.h"
#include "model_store/ModelDatabase.h"
#include "risk_analysis/ResultSink.h"
#include "risk_analysis/SystemRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace
{
// Keeps the rows (shared texts, no copying) so that the two walks can be compared afterwards.
class CCollectingSink : public CResultSink
{
public:
    void ClearResults() override { rows.clear(); }
    void AddResultRow(const ResultRow& row) override { rows.append(row); }
    void AddAccidentRateRow(const ResultRow& row) override { rows.append(row); }
    void AddCollectiveRiskRow(const ResultRow& row) override { rows.append(row); }
    QList<ResultRow> rows;
};

// Only counts: what the result lists cost is not the run's.
class CCountingSink : public CResultSink
{
public:
    void ClearResults() override { rows = 0; }
    void AddResultRow(const ResultRow& row) override { Count(row); }
    void AddAccidentRateRow(const ResultRow& row) override { Count(row); }
    void AddCollectiveRiskRow(const ResultRow& row) override { Count(row); }
    qsizetype rows = 0;
    qsizetype characters = 0;

private:
    void Count(const ResultRow& row)
    {
        ++rows;
        characters += row.RiskText.size();
    }
};

bool SameRows(const QList<ResultRow>& x, const QList<ResultRow>& y)
{
    if (x.size() != y.size())
        return false;
    for (qsizetype i = 0; i < x.size(); ++i)
    {
        const ResultRow& a = x[i];
        const ResultRow& b = y[i];
        if (a.HazardNumber != b.HazardNumber || a.HazardLabel != b.HazardLabel ||
            a.RateText != b.RateText || a.AccidentLabel != b.AccidentLabel ||
            a.ProbabilityText != b.ProbabilityText || a.CostText != b.CostText ||
            a.RiskText != b.RiskText || a.LimitText != b.LimitText ||
            a.AccidentRateText != b.AccidentRateText || a.TotalRiskText != b.TotalRiskText ||
            a.VersionText != b.VersionText)
            return false;
    }
    return true;
}

double TimeRun(CApplicationState& state, CSystemRun::Walk walk, qsizetype& rows)
{
    CCountingSink sink;
    CSystemRun run(state, &sink);
    run.SetWalk(walk);
    QElapsedTimer timer;
    timer.start();
    run.RunSystem();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    rows = sink.rows;
    return ms;
}

double CollectRun(CApplicationState& state, CSystemRun::Walk walk, QList<ResultRow>& rows)
{
    CCollectingSink sink;
    sink.rows.reserve(rows.size());
    CSystemRun run(state, &sink);
    run.SetWalk(walk);
    QElapsedTimer timer;
    timer.start();
    run.RunSystem();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    rows = std::move(sink.rows);
    return ms;
}

// The floor: one query over the whole table, every column read into a record.
double TimeFloor(const QString& path, int& count)
{
    double ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "floor");
        db.setDatabaseName(path);
        if (!db.open())
            return -1;
        QElapsedTimer timer;
        timer.start();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT * FROM Event"));
        const QSqlRecord r = query.record();
        const int id = r.indexOf("Event_ID"), sys = r.indexOf("Sys_ID"), haz = r.indexOf("Haz_ID"),
                  title = r.indexOf("Event_Title"), name = r.indexOf("Event_Name"),
                  yes = r.indexOf("Event_YesProbability"), parent = r.indexOf("Event_ParentID"),
                  analyst = r.indexOf("Event_Analyst"), approved = r.indexOf("Event_Approvedby"),
                  desc = r.indexOf("Event_FunctionDesc"), type = r.indexOf("Event_Type"),
                  number = r.indexOf("Accident_Number"), fat = r.indexOf("Fatility"),
                  exposed = r.indexOf("Exposed"), action = r.indexOf("Event_ParentAction");
        CEventTreeList list;
        while (query.next())
        {
            CEventTree e;
            e.Event_ID = query.value(id).toInt();
            e.Sys_ID = query.value(sys).toInt();
            e.Haz_ID = query.value(haz).toInt();
            e.Event_Title = query.value(title).toString();
            e.Event_Name = query.value(name).toString();
            e.Event_YesProbability = query.value(yes).toDouble();
            e.Event_ParentID = query.value(parent).toInt();
            e.Event_Analyst = query.value(analyst).toString();
            e.Event_Approvedby = query.value(approved).toString();
            e.Event_FunctionDesc = query.value(desc).toString();
            e.Event_Type = query.value(type).toInt();
            e.Accident_Number = query.value(number).toDouble();
            e.Fatility = query.value(fat).toFloat();
            e.Exposed = query.value(exposed).toInt();
            e.Event_ParentAction = query.value(action).toInt();
            list.append(e);
        }
        ms = double(timer.nsecsElapsed()) / 1e6;
        count = int(list.size());
    }
    QSqlDatabase::removeDatabase("floor");
    return ms;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int hazards = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int depth = argc > 2 ? std::atoi(argv[2]) : 4;

    QTemporaryDir dir;
    CApplicationState state;
    state.m_pModelStore = std::make_unique<CModelDatabase>();
    if (!CModelDatabase::Create(dir.filePath("Quillon.mdb")) ||
        !state.m_pModelStore->Open(dir.filePath("Quillon.mdb")))
        return 1;

    QElapsedTimer timer;
    timer.start();
    CGeneratedModel model;
    if (!GenerateModel(*state.m_pModelStore, hazards, depth, model))
        return 1;
    std::printf("model: %d hazards, depth %d, %d event rows (generated in %.0f ms)\n",
                model.hazards, depth, model.eventRows, double(timer.elapsed()));
    state.m_OpenSystemId = model.systemId;
    state.m_OpenSystemName = QStringLiteral("Generated System");

    // The machine may be shared: the short measurements are repeated, interleaved, and the
    // best of each kept; the long one runs twice.
    QList<ResultRow> loadedRows, stepRows;
    qsizetype rowCount = 0;
    const QString path = dir.filePath("Quillon.mdb");
    double a = 1e300, b = 1e300, c = 1e300;
    int floorRows = 0;
    for (int round = 0; round < 5; ++round)
    {
        a = std::min(a, TimeRun(state, CSystemRun::Walk::LoadedOnce, rowCount));
        c = std::min(c, TimeFloor(path, floorRows));
        if (round % 2 == 1)
            b = std::min(b, CollectRun(state, CSystemRun::Walk::StatementPerStep, stepRows));
    }
    CollectRun(state, CSystemRun::Walk::LoadedOnce, loadedRows);

    std::printf("(a) RunSystem, trees read once per System row: %8.1f ms (%lld rows)\n", a,
                static_cast<long long>(rowCount));
    std::printf("(b) RunSystem, one query per step:            %8.1f ms\n", b);
    std::printf("(c) floor, SELECT * FROM Event into records:   %8.1f ms (%d rows)\n", c,
                floorRows);
    std::printf("(a)/(c) = %.2f   goal <= 3\n", a / c);
    std::printf("(b)/(a) = %.1f   goal >= 20\n", b / a);
    std::printf("rows of (a) and (b) identical: %s\n",
                SameRows(loadedRows, stepRows) ? "yes" : "NO");
    return SameRows(loadedRows, stepRows) ? 0 : 1;
}
