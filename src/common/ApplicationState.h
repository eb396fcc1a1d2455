#pragma once

#include <QString>

#include <memory>

class CModelDatabase;
class CHistoryDatabase;

// The state every part of the program shares: both databases and the open system. The GUI's
// application object derives from it and adds the views; the command-line program and tests
// use it as it is.
class CApplicationState
{
public:
    CApplicationState();
    virtual ~CApplicationState();
    CApplicationState(const CApplicationState&) = delete;
    CApplicationState& operator=(const CApplicationState&) = delete;

    // Opens the model database, then the history database, showing the store's messages on
    // failure. The caller shows "Unable to initialize the database" when this returns false.
    bool OpenDatabases();

    // Sets units and costUnits to the Sys_Units and Sys_FatalityUnits of the System row;
    // leaves them unchanged when there is no such row.
    void GetSystemUnits(int sysId, QString& units, QString& costUnits);

    std::unique_ptr<CModelDatabase> m_pModelStore;
    std::unique_ptr<CHistoryDatabase> m_pHistoryStore;

    QString m_OpenSystemName;
    QString m_SelectedItemText;
    QString m_CurrentHazardName;
    int m_OpenSystemId = 0;
    int m_CurrentHazardId = 0;
};
