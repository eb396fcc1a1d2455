#include "ModelBuilder.h"

int CModelBuilder::System(const QString& name, double aspl, int version, const QString& units,
                          const QString& costUnits)
{
    CSystem s;
    s.Sys_Name = s.Sys_Title = name;
    s.Sys_TIR = aspl;
    s.Sys_Units = units;
    s.Sys_FatalityUnits = costUnits;
    s.Version = version;
    s.Type = SystemType::System;
    int id = 0;
    return m_Store.AddSystem(s, &id) ? id : 0;
}

int CModelBuilder::Child(int parentId, const QString& name, int type)
{
    CSystem s;
    s.Sys_Name = s.Sys_Title = name;
    s.Parent_ID = parentId;
    s.Type = type;
    s.Version = 1;
    int id = 0;
    return m_Store.AddSystem(s, &id) ? id : 0;
}

int CModelBuilder::Hazard(int sysId, const QString& name, double rate, double duration,
                          bool probFromDatabase)
{
    CHazard h;
    h.System_ID = sysId;
    h.Haz_Name = h.Haz_Title = name;
    h.Haz_Rate = rate;
    h.Haz_Duration = duration;
    h.IsProbFromDatabase = probFromDatabase;
    int id = 0;
    return m_Store.AddHazard(h, &id) ? id : 0;
}

int CModelBuilder::Event(int sysId, int hazId, int parentId, int branch, const QString& name,
                         double yes)
{
    CEventTree e;
    e.Sys_ID = sysId;
    e.Haz_ID = hazId;
    e.Event_Name = e.Event_Title = name;
    e.Event_YesProbability = yes;
    e.Event_ParentID = parentId;
    e.Event_ParentAction = branch;
    e.Event_Type = EventType::Event;
    int id = 0;
    return m_Store.AddEvent(e, &id) ? id : 0;
}

int CModelBuilder::Accident(int sysId, int hazId, int parentId, int branch, const QString& name,
                            double n, float s, double storedProbability)
{
    CEventTree e;
    e.Sys_ID = sysId;
    e.Haz_ID = hazId;
    e.Event_Name = e.Event_Title = name;
    e.Event_YesProbability = storedProbability;
    e.Event_ParentID = parentId;
    e.Event_ParentAction = branch;
    e.Event_Type = EventType::Accident;
    e.Accident_Number = n;
    e.Fatility = s;
    int id = 0;
    return m_Store.AddEvent(e, &id) ? id : 0;
}
