#pragma once

#include "history/AccidentHistoryDetailsInfo.h"
#include "history/AccidentHistoryReportInfo.h"
#include "history/EventHistoryReport.h"

#include <QString>

#include <memory>

class CDatabaseConnection;

// The one way into the history database (Data/QuillonHistory.mdb): the library of reference
// events and the accident library. Same rules as CModelDatabase: every operation returns false
// after the store's error message; selections append in identifier order and never clear.
// Texts are handed over as entered: the store doubles their quotes.
class CHistoryDatabase
{
public:
    CHistoryDatabase();
    ~CHistoryDatabase();
    CHistoryDatabase(const CHistoryDatabase&) = delete;
    CHistoryDatabase& operator=(const CHistoryDatabase&) = delete;

    // Opens an existing database file (default: CDataPaths::HistoryDatabasePath()).
    bool Open(const QString& path = QString());
    bool IsOpen() const;
    void Close();
    // Creates a new database file with the three tables; refuses to touch an existing file.
    static bool Create(const QString& path, QString* error = nullptr);

    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();

    // Library events (Event_History), addressed by name
    bool AddEventHistory(const CEventHistoryReport& event, int* newId = nullptr);
    bool GetEventHistories(CEventHistoryReportList& list);
    bool GetEventHistoryByName(CEventHistoryReportList& list, const QString& name);
    bool UpdateEventHistory(const CEventHistoryReport& event, const QString& oldName);
    bool DeleteEventHistory(const QString& name);

    // Accident types (Accident_Master), addressed by name
    bool AddAccidentMaster(const CAccidentHistoryReportInfo& master, int* newId = nullptr);
    bool GetAccidentMasters(CAccidentHistoryReportInfoList& list);
    bool GetAccidentMasterByName(CAccidentHistoryReportInfoList& list, const QString& name);
    bool UpdateAccidentMaster(const CAccidentHistoryReportInfo& master, const QString& oldName);
    bool DeleteAccidentMaster(const QString& name); // its recorded accidents stay

    // Recorded accidents (Accident_History)
    bool AddAccidentHistory(const CAccidentHistoryDetailsInfo& details, int* newId = nullptr);
    bool GetAccidentHistories(CAccidentHistoryDetailsInfoList& list, int accidentId);
    bool GetAccidentHistory(CAccidentHistoryDetailsInfoList& list, int id);
    // Changes neither Accident_ID nor Name.
    bool UpdateAccidentHistory(const CAccidentHistoryDetailsInfo& details, int id);
    bool DeleteAccidentHistory(int id);

private:
    std::unique_ptr<CDatabaseConnection> m_Connection;
};
