#include "cli/DemoModel.h"

#include "history/HistoryDatabase.h"

namespace
{
struct LibraryEvent
{
    const char* name;
    const char* description;
    float probability;
};

const LibraryEvent Events[] = {
    {"Crew notices loss of braking effort", "Crew alertness, daylight and night shifts", 0.85f},
    {"Crew reapplies brakes in time", "Reaction within the braking distance", 0.9f},
    {"Second transducer detects the fault", "Cross-check of dual pressure transducers", 0.95f},
    {"Crew brake test reveals the fault", "Initial terminal brake test", 0.7f},
    {"Crew brakes before the target", "Stop target approached under signal", 0.9f},
    {"Front emergency application effective", "Emergency application from the head end", 0.97f},
};

struct RecordedAccident
{
    const char* name;
    int commercial;
    int environmental;
    int injuries;
    int other;
    int exposed;
};

struct AccidentType
{
    const char* name;
    const char* description;
    RecordedAccident recorded[2];
};

const AccidentType Types[] = {
    {"Low Speed Collision",
     "Collision below 20 mph",
     {{"Yard collision, Track 7", 42000, 0, 15000, 0, 4},
      {"Rear-end at signal 114", 68000, 2000, 30000, 0, 6}}},
    {"Medium Speed Collision",
     "Collision between 20 and 45 mph",
     {{"Head-on at passing siding", 280000, 12000, 95000, 1, 9},
      {"Side collision at crossover", 190000, 5000, 60000, 0, 7}}},
    {"High Speed Collision",
     "Collision above 45 mph",
     {{"Rear-end on main line", 1650000, 85000, 420000, 2, 14},
      {"Collision with maintenance vehicle", 980000, 40000, 310000, 1, 11}}},
    {"Low Speed Derailment",
     "Derailment below 20 mph",
     {{"Turnout derailment in yard", 61000, 3000, 0, 0, 2},
      {"Derailment at derail device", 35000, 0, 0, 0, 2}}},
    {"Medium Speed Derailment",
     "Derailment between 20 and 45 mph",
     {{"Broken rail on curve", 520000, 60000, 45000, 0, 5},
      {"Wheel failure on bridge approach", 610000, 75000, 80000, 0, 6}}},
    {"High Speed Derailment",
     "Derailment above 45 mph",
     {{"Runaway on descending grade", 2300000, 310000, 520000, 3, 12},
      {"Track buckle at speed", 1900000, 220000, 380000, 1, 10}}},
};
} // namespace

bool CDemoModel::WriteHistory(CHistoryDatabase& history)
{
    if (!history.BeginTransaction())
        return false;
    bool ok = true;
    for (const LibraryEvent& e : Events)
    {
        CEventHistoryReport event;
        event.Event_Name = QString::fromUtf8(e.name);
        event.Event_Description = QString::fromUtf8(e.description);
        event.Event_Probability = e.probability;
        ok = ok && history.AddEventHistory(event);
    }
    for (const AccidentType& t : Types)
    {
        CAccidentHistoryReportInfo master;
        master.Accident_Name = QString::fromUtf8(t.name);
        master.Description = QString::fromUtf8(t.description);
        int masterId = 0;
        ok = ok && history.AddAccidentMaster(master, &masterId);
        if (!ok)
            break;
        for (const RecordedAccident& r : t.recorded)
        {
            CAccidentHistoryDetailsInfo details;
            details.Accident_ID = masterId;
            details.Name = QString::fromUtf8(r.name);
            details.Fatality_1 = r.commercial;
            details.Fatality_2 = r.environmental;
            details.Fatality_3 = r.injuries;
            details.Other_Fatality = r.other;
            details.Weight_1 = 1.0f;
            details.Weight_2 = 1.0f;
            details.Weight_3 = 1.0f;
            details.OtherFatalityWeight = 3000000.0f;
            details.Person_Exposed = r.exposed;
            ok = ok && history.AddAccidentHistory(details);
        }
    }
    if (!ok)
    {
        history.RollbackTransaction();
        return false;
    }
    return history.CommitTransaction();
}
