#pragma once

#include "common/ApplicationState.h"
#include "history/HistoryDatabase.h"
#include "model_store/ModelDatabase.h"

#include <QString>
#include <QTemporaryDir>

// A data folder for one test: a temporary directory holding Data/Quillon.mdb,
// Data/QuillonHistory.mdb (both created empty and opened through State().OpenDatabases()) and
// EventTree/. CDataPaths points at it while the fixture lives. Nothing is shown on success, so
// it can be made inside a CRecordingPrompter's lifetime without adding entries.
//
//     CTestDatabases db;
//     const int sys = db.AddSystem("Brake");
//     const int haz = db.AddHazard(sys, "Overspeed");
//     const int root = db.AddEvent(haz, "Signal passed", 0, ParentAction::Root);
//     const int acc = db.AddEvent(haz, "Collision", root, ParentAction::Yes, EventType::Accident);
//
// The helpers fail the running test (QVERIFY-style, returning 0) when a statement fails.
class CTestDatabases
{
public:
    CTestDatabases();
    ~CTestDatabases();
    CTestDatabases(const CTestDatabases&) = delete;
    CTestDatabases& operator=(const CTestDatabases&) = delete;

    bool IsValid() const { return m_Valid; }
    QString Root() const { return m_Dir.path(); }

    CApplicationState& State() { return m_State; }
    CModelDatabase& Model() { return *m_State.m_pModelStore; }
    CHistoryDatabase& History() { return *m_State.m_pHistoryStore; }

    // A system (Type 0, Parent_ID 0) or, with a parent, a subsystem or function; returns Sys_ID.
    int AddSystem(const QString& name, int version = 1, int type = 0, int parentId = 0);
    // A hazard of a System row; returns Haz_ID.
    int AddHazard(int sysId, const QString& name, double rate = 1e-6, double duration = 1.0);
    // A node of a hazard's tree (its Sys_ID is looked up); returns Event_ID.
    int AddEvent(int hazId, const QString& name, int parentId, int parentAction, int eventType = 0,
                 double probability = 0.5, double accidentNumber = 0.0, float fatility = 0.0f);

    // Runs one statement on a database file behind the store's back, to plant values that no
    // store operation writes.
    static bool RawExec(const QString& path, const QString& sql);

private:
    QTemporaryDir m_Dir;
    QString m_PreviousRoot;
    CApplicationState m_State;
    bool m_Valid = false;
};
