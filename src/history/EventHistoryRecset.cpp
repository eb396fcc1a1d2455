#include "history/EventHistoryRecset.h"

#include "history/EventHistoryRs.h"
#include "model_store/DatabaseConnection.h"
#include "model_store/SqlText.h"

using namespace SqlValue;

bool CEventHistoryRecset::Insert(const CEventHistoryReport& e, int* newId)
{
    m_Statement =
        QStringLiteral("INSERT INTO Event_History(Event_Name,Event_Description,Event_Probability)"
                       "VALUES(") +
        " '" + T(e.Event_Name) + "','" + T(e.Event_Description) + "', " +
        CSqlText::Fixed(double(e.Event_Probability)) + ")";
    return m_Connection.Execute(m_Statement, newId);
}

bool CEventHistoryRecset::SelectAll(CEventHistoryReportList& list)
{
    m_Statement = QStringLiteral("SELECT * FROM Event_History");
    return m_Connection.Select(m_Statement, CEventHistoryRs::BoundColumns, list,
                               &CEventHistoryRs::Read);
}

bool CEventHistoryRecset::SelectByName(CEventHistoryReportList& list, const QString& name)
{
    m_Statement = QStringLiteral("SELECT * FROM Event_History where Event_Name='") + T(name) + "'";
    return m_Connection.Select(m_Statement, CEventHistoryRs::BoundColumns, list,
                               &CEventHistoryRs::Read);
}

bool CEventHistoryRecset::Update(const CEventHistoryReport& e, const QString& oldName)
{
    m_Statement = QStringLiteral("UPDATE Event_History SET ") + "Event_Name = '" + T(e.Event_Name) +
                  "',Event_Description = '" + T(e.Event_Description) +
                  "',Event_Probability=" + CSqlText::Fixed(double(e.Event_Probability)) +
                  "  WHERE Event_Name ='" + T(oldName) + "'";
    return m_Connection.Execute(m_Statement);
}

bool CEventHistoryRecset::Delete(const QString& name)
{
    m_Statement = QStringLiteral("DELETE FROM Event_History WHERE Event_Name='") + T(name) + "'";
    return m_Connection.Execute(m_Statement);
}
