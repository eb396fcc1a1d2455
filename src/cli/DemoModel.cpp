#include "cli/DemoModel.h"

#include "model_store/ModelDatabase.h"

#include <QDateTime>

namespace
{
class CDemoWriter
{
public:
    explicit CDemoWriter(CModelDatabase& store) : m_Store(store) {}

    bool ok = true;

    int System(const QString& name, int parentId, int type, int version, double aspl,
               const QString& description)
    {
        CSystem s;
        s.Sys_Name = s.Sys_Title = name;
        s.Sys_Analyst = QStringLiteral("R. Okafor");
        s.Sys_Approvedby = QStringLiteral("M. Lindqvist");
        s.Sys_TIR = aspl;
        s.Sys_Units = QStringLiteral("Train Mile");
        s.Sys_FatalityUnits = QStringLiteral("Dollars");
        s.Sys_FunctionDesc = description;
        s.Sys_Notes = QStringLiteral("Demonstration model.");
        s.Sys_RefDoc = QStringLiteral("OBTS-SRS-014 rev C");
        s.Sys_Date =
            QDateTime(QDate(2026, 3, 2 + version), QTime(9, 30), Qt::UTC).toSecsSinceEpoch();
        s.Parent_ID = parentId;
        s.Type = type;
        s.Version = version;
        int id = 0;
        ok = ok && m_Store.AddSystem(s, &id);
        return id;
    }

    int Hazard(int ownerId, const QString& name, double rate, double duration, const QString& notes,
               const QString& mitigation, bool standard = false)
    {
        CHazard h;
        h.System_ID = ownerId;
        h.Haz_Name = h.Haz_Title = name;
        h.Haz_Rate = rate;
        h.Haz_Duration = duration;
        h.Haz_Notes = notes;
        h.Haz_Mitigation = mitigation;
        h.Haz_Validation = QStringLiteral("Fault tree analysis and field data 2019-2025.");
        h.IsProbFromDatabase = standard;
        int id = 0;
        ok = ok && m_Store.AddHazard(h, &id);
        return id;
    }

    int Node(int sysId, int hazId, int parentId, int branch, int type, const QString& name,
             const QString& title, double yes, double n = 0, float s = 0,
             const QString& description = QString())
    {
        CEventTree e;
        e.Sys_ID = sysId;
        e.Haz_ID = hazId;
        e.Event_Name = name;
        e.Event_Title = title;
        e.Event_YesProbability = yes;
        e.Event_ParentID = parentId;
        e.Event_ParentAction = branch;
        e.Event_Type = type;
        e.Accident_Number = n;
        e.Fatility = s;
        e.Event_Analyst = QStringLiteral("R. Okafor");
        e.Event_Approvedby = QStringLiteral("M. Lindqvist");
        e.Event_FunctionDesc = description;
        int id = 0;
        ok = ok && m_Store.AddEvent(e, &id);
        return id;
    }
    int Event(int sysId, int hazId, int parentId, int branch, const QString& name, double yes)
    {
        return Node(sysId, hazId, parentId, branch, EventType::Event, name, name, yes);
    }
    int Accident(int sysId, int hazId, int parentId, int branch, const QString& name, double n,
                 float s)
    {
        return Node(sysId, hazId, parentId, branch, EventType::Accident, name, name, 0, n, s);
    }

    // The fixed tree of a hazard whose probabilities come from the accident library.
    void StandardTree(int ownerId, int sysId, int hazId, const QString& hazardName,
                      const double probability[6], const double n[6], const float s[6])
    {
        static const char* const codes[6] = {"_LSC", "_MSC", "_HSC", "_LSD", "_MSD", "_HSD"};
        const QString root = hazardName + QStringLiteral("_Event");
        double sum = 0;
        for (int i = 0; i < 6; ++i)
            sum += probability[i];
        const int rootId =
            Node(ownerId, hazId, 0, ParentAction::Root, EventType::Event, root, root, sum, 0, 0,
                 QStringLiteral("Replace this text with the function description"));
        for (int i = 0; i < 6; ++i)
            Node(sysId, hazId, rootId, ParentAction::Yes, EventType::Accident,
                 root + QLatin1String(codes[i]), root, probability[i], n[i], s[i],
                 QStringLiteral("Replace this text with the function description"));
    }

    // One whole version of the system; `factor` shifts the rates so versions differ.
    void Version(int version, double factor)
    {
        const int sys = System(CDemoModel::SystemName, 0, SystemType::System, version, 2.5e-3,
                               QStringLiteral("Onboard enforcement of braking and detection of "
                                              "train separation for freight and passenger "
                                              "trains."));

        // The system's own hazard.
        {
            const int h = Hazard(sys, QStringLiteral("Unintended release of train brakes"),
                                 2.0e-7 * factor, 1.5,
                                 QStringLiteral("Brake pipe pressure restored while a stop is "
                                                "being enforced."),
                                 QStringLiteral("Release interlock on the brake valve."));
            const int e1 = Event(sys, h, 0, ParentAction::Root,
                                 QStringLiteral("Crew notices loss of braking effort"), 0.85);
            const int e2 = Event(sys, h, e1, ParentAction::Yes,
                                 QStringLiteral("Crew reapplies brakes in time"), 0.9);
            Accident(sys, h, e2, ParentAction::No,
                     QStringLiteral("Overrun into occupied block at low speed"), 1.0, 185000.0f);
            const int e3 = Event(sys, h, e1, ParentAction::No,
                                 QStringLiteral("Train on descending grade"), 0.3);
            Accident(sys, h, e3, ParentAction::Yes,
                     QStringLiteral("Runaway derailment at high speed"), 0.6, 2400000.0f);
            Accident(sys, h, e3, ParentAction::No, QStringLiteral("Collision at medium speed"), 0.8,
                     760000.0f);
        }

        // Subsystem: onboard braking, with one hazard and a function below it.
        const int braking =
            System(QStringLiteral("Onboard Braking Unit"), sys, SystemType::Subsystem, 1, 0,
                   QStringLiteral("Brake interface unit and penalty brake valve."));
        {
            const int h =
                Hazard(braking, QStringLiteral("Brake pipe pressure not monitored"),
                       5.0e-7 * factor, 2.0, QStringLiteral("Pressure transducer fails silently."),
                       QStringLiteral("Dual transducers with cross-check."));
            const int e1 = Event(braking, h, 0, ParentAction::Root,
                                 QStringLiteral("Second transducer detects the fault"), 0.95);
            const int e2 = Event(braking, h, e1, ParentAction::No,
                                 QStringLiteral("Crew brake test reveals the fault"), 0.7);
            Accident(braking, h, e2, ParentAction::No, QStringLiteral("Stop target overrun"), 1.0,
                     95000.0f);
        }
        const int penalty =
            System(QStringLiteral("Penalty Brake Enforcement"), braking, SystemType::Function, 1, 0,
                   QStringLiteral("Applies the penalty brake at the stop target."));
        {
            const int h =
                Hazard(penalty, QStringLiteral("Penalty brake not applied at stop target"),
                       8.0e-7 * factor, 0.5,
                       QStringLiteral("Enforcement command lost between onboard "
                                      "computer and brake valve."),
                       QStringLiteral("Watchdog on the brake command line."));
            const int e1 = Event(penalty, h, 0, ParentAction::Root,
                                 QStringLiteral("Crew brakes before the target"), 0.9);
            const int e2 = Event(penalty, h, e1, ParentAction::No,
                                 QStringLiteral("Route ahead is clear"), 0.6);
            Accident(penalty, h, e2, ParentAction::No, QStringLiteral("Collision with train ahead"),
                     1.0, 1350000.0f);
            const int e3 = Event(penalty, h, e2, ParentAction::Yes,
                                 QStringLiteral("Speed below 20 mph"), 0.75);
            Accident(penalty, h, e3, ParentAction::No, QStringLiteral("Derailment at turnout"), 0.4,
                     420000.0f);
            // A branch the analyst has taken out: in the recycle area with its accident.
            const int removed = Event(penalty, h, e1, ParentAction::Yes,
                                      QStringLiteral("Brakes fade on long descent"), 0.02);
            Accident(penalty, h, removed, ParentAction::Yes,
                     QStringLiteral("Overrun at platform end"), 1.0, 60000.0f);
            ok = ok && m_Store.MarkEventDeleted(removed);
        }

        // Subsystem: train separation protection, with a function that has the standard tree.
        const int separation =
            System(QStringLiteral("Train Separation Protection"), sys, SystemType::Subsystem, 1, 0,
                   QStringLiteral("End-of-train device and separation "
                                  "detection."));
        const int eot = System(QStringLiteral("End-of-Train Monitoring"), separation,
                               SystemType::Function, 1, 0,
                               QStringLiteral("Rear-end brake pipe pressure and motion "
                                              "reports."));
        {
            const QString name = QStringLiteral("Undetected train separation");
            const int h = Hazard(eot, name, 3.0e-7 * factor, 1.0,
                                 QStringLiteral("Separation is not reported to the crew."),
                                 QStringLiteral("Two-way end-of-train telemetry."), true);
            const double probability[6] = {2.1e-3, 8.0e-4, 1.5e-4, 3.2e-3, 9.0e-4, 2.0e-4};
            const double n[6] = {1.0, 1.0, 1.0, 0.8, 0.8, 0.8};
            const float s[6] = {52000.0f, 310000.0f, 1900000.0f, 88000.0f, 640000.0f, 2750000.0f};
            StandardTree(eot, sys, h, name, probability, n, s);
        }
        {
            const int h = Hazard(eot, QStringLiteral("Emergency brake from rear not applied"),
                                 1.2e-7 * factor, 3.0,
                                 QStringLiteral("Rear unit does not vent the brake pipe."),
                                 QStringLiteral("Periodic arming test."));
            const int e1 = Event(eot, h, 0, ParentAction::Root,
                                 QStringLiteral("Front emergency application effective"), 0.97);
            const int e2 = Event(eot, h, e1, ParentAction::No,
                                 QStringLiteral("Rear cars on level track"), 0.8);
            Accident(eot, h, e2, ParentAction::Yes,
                     QStringLiteral("Rear cars collide at low speed"), 1.0, 140000.0f);
            Accident(eot, h, e2, ParentAction::No, QStringLiteral("Rear cars run away and derail"),
                     1.0, 1650000.0f);
        }
    }

private:
    CModelDatabase& m_Store;
};
} // namespace

bool CDemoModel::Write(CModelDatabase& store)
{
    if (!store.BeginTransaction())
        return false;
    CDemoWriter writer(store);
    writer.Version(1, 1.0);
    writer.Version(2, 0.8);
    writer.Version(3, 0.6);
    // Version 3 went to the recycle area.
    CSystemList third;
    writer.ok = writer.ok && store.GetSystemVersion(third, SystemName, 0, 3) && !third.isEmpty() &&
                store.MarkSystemDeleted(third.front().Sys_ID);
    if (!writer.ok)
    {
        store.RollbackTransaction();
        return false;
    }
    return store.CommitTransaction();
}
