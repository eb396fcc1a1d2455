#include "history/HistoryDatabase.h"

#include "common/DataPaths.h"
#include "history/AccidentMasterRecset.h"
#include "history/EventHistoryRecset.h"
#include "model_store/DatabaseConnection.h"

#include <QStringList>

namespace
{
// Column order is part of the file format: the record bindings read by ordinal.
const QStringList& Schema()
{
    static const QStringList schema = {
        QStringLiteral("CREATE TABLE Event_History (Event_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "Event_Name VARCHAR(199), Event_Description TEXT, Event_Probability REAL)"),
        QStringLiteral("CREATE TABLE Accident_Master (Accident_ID INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, Accident_Name VARCHAR(199), Description TEXT)"),
        QStringLiteral("CREATE TABLE Accident_History (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "Accident_ID INTEGER, Fatality_1 INTEGER, Fatality_2 INTEGER, "
                       "Fatality_3 INTEGER, Other_Fatality INTEGER, Person_Exposed INTEGER, "
                       "Weight_1 REAL, Weight_2 REAL, Weight_3 REAL, OtherFatalityWeight REAL, "
                       "Name VARCHAR(199))"),
        QStringLiteral(
            "CREATE INDEX Accident_History_Accident_ID ON Accident_History (Accident_ID)"),
    };
    return schema;
}
} // namespace

CHistoryDatabase::CHistoryDatabase()
    : m_Connection(std::make_unique<CDatabaseConnection>(
          QStringLiteral("Unable to connect to the database")))
{
}

CHistoryDatabase::~CHistoryDatabase() = default;

bool CHistoryDatabase::Open(const QString& path)
{
    return m_Connection->Open(path.isEmpty() ? CDataPaths::HistoryDatabasePath() : path);
}

bool CHistoryDatabase::IsOpen() const
{
    return m_Connection->IsOpen();
}

void CHistoryDatabase::Close()
{
    m_Connection->Close();
}

bool CHistoryDatabase::Create(const QString& path, QString* error)
{
    return CDatabaseConnection::CreateDatabase(path, Schema(), error);
}

bool CHistoryDatabase::BeginTransaction()
{
    return m_Connection->BeginTransaction();
}

bool CHistoryDatabase::CommitTransaction()
{
    return m_Connection->CommitTransaction();
}

void CHistoryDatabase::RollbackTransaction()
{
    m_Connection->RollbackTransaction();
}

bool CHistoryDatabase::AddEventHistory(const CEventHistoryReport& event, int* newId)
{
    return CEventHistoryRecset(*m_Connection).Insert(event, newId);
}

bool CHistoryDatabase::GetEventHistories(CEventHistoryReportList& list)
{
    return CEventHistoryRecset(*m_Connection).SelectAll(list);
}

bool CHistoryDatabase::GetEventHistoryByName(CEventHistoryReportList& list, const QString& name)
{
    return CEventHistoryRecset(*m_Connection).SelectByName(list, name);
}

bool CHistoryDatabase::UpdateEventHistory(const CEventHistoryReport& event, const QString& oldName)
{
    return CEventHistoryRecset(*m_Connection).Update(event, oldName);
}

bool CHistoryDatabase::DeleteEventHistory(const QString& name)
{
    return CEventHistoryRecset(*m_Connection).Delete(name);
}

bool CHistoryDatabase::AddAccidentMaster(const CAccidentHistoryReportInfo& master, int* newId)
{
    return CAccidentMasterRecset(*m_Connection).InsertMaster(master, newId);
}

bool CHistoryDatabase::GetAccidentMasters(CAccidentHistoryReportInfoList& list)
{
    return CAccidentMasterRecset(*m_Connection).SelectMasters(list);
}

bool CHistoryDatabase::GetAccidentMasterByName(CAccidentHistoryReportInfoList& list,
                                               const QString& name)
{
    return CAccidentMasterRecset(*m_Connection).SelectMasterByName(list, name);
}

bool CHistoryDatabase::UpdateAccidentMaster(const CAccidentHistoryReportInfo& master,
                                            const QString& oldName)
{
    return CAccidentMasterRecset(*m_Connection).UpdateMaster(master, oldName);
}

bool CHistoryDatabase::DeleteAccidentMaster(const QString& name)
{
    return CAccidentMasterRecset(*m_Connection).DeleteMaster(name);
}

bool CHistoryDatabase::AddAccidentHistory(const CAccidentHistoryDetailsInfo& details, int* newId)
{
    return CAccidentMasterRecset(*m_Connection).InsertDetails(details, newId);
}

bool CHistoryDatabase::GetAccidentHistories(CAccidentHistoryDetailsInfoList& list, int accidentId)
{
    return CAccidentMasterRecset(*m_Connection).SelectDetailsOfMaster(list, accidentId);
}

bool CHistoryDatabase::GetAccidentHistory(CAccidentHistoryDetailsInfoList& list, int id)
{
    return CAccidentMasterRecset(*m_Connection).SelectDetails(list, id);
}

bool CHistoryDatabase::UpdateAccidentHistory(const CAccidentHistoryDetailsInfo& details, int id)
{
    return CAccidentMasterRecset(*m_Connection).UpdateDetails(details, id);
}

bool CHistoryDatabase::DeleteAccidentHistory(int id)
{
    return CAccidentMasterRecset(*m_Connection).DeleteDetails(id);
}
