#pragma once

// Large generated models for the benchmarks (header only: bench/common is no program itself).
// A system with `groups` functions under two subsystems; the hazards are spread over the system
// and its functions; each hazard has a full event tree of the given depth: events at every level
// above the last, on both branches, and accidents at the leaves (2^depth - 1 events and 2^depth
// accidents). Everything is written in one transaction.

#include "model_store/ModelDatabase.h"

#include <QString>

struct CGeneratedModel
{
    int systemId = 0;
    int hazards = 0;
    int eventRows = 0;
};

inline bool GenerateModel(CModelDatabase& store, int hazards, int depth, CGeneratedModel& model,
                          const QString& systemName = QStringLiteral("Generated System"),
                          int groups = 8)
{
    quint32 seed = 12345;
    auto next = [&seed]()
    {
        seed = seed * 1664525u + 1013904223u;
        return double(seed >> 8) / double(1u << 24);
    };
    if (!store.BeginTransaction())
        return false;
    auto fail = [&store]()
    {
        store.RollbackTransaction();
        return false;
    };

    CSystem system;
    system.Sys_Name = system.Sys_Title = systemName;
    system.Sys_TIR = 2.5e-2;
    system.Sys_Units = QStringLiteral("Train Mile");
    system.Sys_FatalityUnits = QStringLiteral("Dollars");
    system.Type = SystemType::System;
    system.Version = 1;
    if (!store.AddSystem(system, &model.systemId))
        return fail();

    QList<int> owners{model.systemId};
    int subsystems[2] = {0, 0};
    for (int s = 0; s < 2; ++s)
    {
        CSystem sub;
        sub.Sys_Name = sub.Sys_Title = QStringLiteral("Subsystem %1").arg(s + 1);
        sub.Parent_ID = model.systemId;
        sub.Type = SystemType::Subsystem;
        sub.Version = 1;
        if (!store.AddSystem(sub, &subsystems[s]))
            return fail();
    }
    for (int g = 0; g < groups; ++g)
    {
        CSystem fn;
        fn.Sys_Name = fn.Sys_Title = QStringLiteral("Function %1").arg(g + 1);
        fn.Parent_ID = subsystems[g % 2];
        fn.Type = SystemType::Function;
        fn.Version = 1;
        int id = 0;
        if (!store.AddSystem(fn, &id))
            return fail();
        owners.append(id);
    }

    model.hazards = 0;
    model.eventRows = 0;
    for (int h = 0; h < hazards; ++h)
    {
        const int owner = owners[h % owners.size()];
        CHazard hazard;
        hazard.System_ID = owner;
        hazard.Haz_Name = hazard.Haz_Title = QStringLiteral("Hazard %1").arg(h + 1);
        hazard.Haz_Rate = 1e-7 * (1 + 9 * next());
        hazard.Haz_Duration = 0.5 + 4 * next();
        int hazId = 0;
        if (!store.AddHazard(hazard, &hazId))
            return fail();
        ++model.hazards;

        // Breadth first: (parent, branch, level).
        struct Slot
        {
            int parent;
            int branch;
            int level;
        };
        QList<Slot> pending{{0, ParentAction::Root, 0}};
        for (qsizetype i = 0; i < pending.size(); ++i)
        {
            const Slot slot = pending[i];
            CEventTree node;
            node.Sys_ID = owner;
            node.Haz_ID = hazId;
            node.Event_ParentID = slot.parent;
            node.Event_ParentAction = slot.branch;
            if (slot.level < depth)
            {
                node.Event_Type = EventType::Event;
                node.Event_Name = node.Event_Title = QStringLiteral("E%1.%2").arg(h + 1).arg(i + 1);
                node.Event_YesProbability = 0.05 + 0.9 * next();
            }
            else
            {
                node.Event_Type = EventType::Accident;
                node.Event_Name = node.Event_Title = QStringLiteral("A%1.%2").arg(h + 1).arg(i + 1);
                node.Accident_Number = 0.1 + next();
                node.Fatility = float(1e4 + 1e6 * next());
            }
            int id = 0;
            if (!store.AddEvent(node, &id))
                return fail();
            ++model.eventRows;
            if (slot.level < depth)
            {
                pending.append({id, ParentAction::Yes, slot.level + 1});
                pending.append({id, ParentAction::No, slot.level + 1});
            }
        }
    }
    return store.CommitTransaction();
}
