#include "model_store/EventTreeRecset.h"

#include "model_store/DatabaseConnection.h"
#include "model_store/EventTreeInfoRs.h"
#include "model_store/SqlText.h"

using namespace SqlValue;

bool CEventTreeRecset::Select(CEventTreeList& list, const QString& statement)
{
    m_Statement = statement;
    return m_Connection.Select(m_Statement, CEventTreeInfoRs::BoundColumns, list,
                               &CEventTreeInfoRs::Read);
}

bool CEventTreeRecset::Insert(const CEventTree& e, int* newId)
{
    m_Statement =
        QStringLiteral("INSERT INTO Event ( Sys_ID,Haz_ID,Event_Title, Event_Name, "
                       "Event_YesProbability,Event_ParentID, Event_Analyst, Event_Approvedby, "
                       "Event_FunctionDesc,Event_Type,Accident_Number,Fatility,Exposed,"
                       "Event_ParentAction ) VALUES(") +
        " " + N(e.Sys_ID) + "," + N(e.Haz_ID) + ",'" + T(e.Event_Title) + "','" + T(e.Event_Name) +
        "'," + E(e.Event_YesProbability) + "," + N(e.Event_ParentID) + ",'" + T(e.Event_Analyst) +
        "','" + T(e.Event_Approvedby) + "','" + T(e.Event_FunctionDesc) + "'," + N(e.Event_Type) +
        "," + E(e.Accident_Number) + "," + CSqlText::Fixed(double(e.Fatility), 6) + "," +
        N(e.Exposed) + "," + N(e.Event_ParentAction) + ")";
    return m_Connection.Execute(m_Statement, newId);
}

bool CEventTreeRecset::Update(const CEventTree& e, int eventId)
{
    m_Statement =
        QStringLiteral("UPDATE Event SET ") + "Event_Title = '" + T(e.Event_Title) +
        "',Event_Name = '" + T(e.Event_Name) + "',Event_Analyst = '" + T(e.Event_Analyst) +
        "',Event_Approvedby = '" + T(e.Event_Approvedby) + "',Event_FunctionDesc = '" +
        T(e.Event_FunctionDesc) + "',Event_YesProbability = " + E(e.Event_YesProbability) +
        ",Event_ParentID = " + N(e.Event_ParentID) + ",Accident_Number = " + E(e.Accident_Number) +
        ",Fatility = " + CSqlText::Fixed(double(e.Fatility), 3) + ",Exposed = " + N(e.Exposed) +
        ",Event_ParentAction = " + N(e.Event_ParentAction) + " ,Event_Type = " + N(e.Event_Type) +
        "  WHERE Event_ID =" + N(eventId);
    return m_Connection.Execute(m_Statement);
}

bool CEventTreeRecset::Rename(const CEventTree& node, const QString& newName, int hazId,
                              const QString& newTitle)
{
    m_Statement = QStringLiteral("UPDATE Event SET Event_Title = '") + T(newTitle) +
                  "',Event_Name = '" + T(newName) + "' WHERE  Event_ID = " + N(node.Event_ID) +
                  "  AND Haz_ID = " + N(hazId);
    return m_Connection.Execute(m_Statement);
}

bool CEventTreeRecset::MarkDeleted(int eventId)
{
    m_Statement = QStringLiteral("UPDATE Event SET DeleteFlag = 1 WHERE Event_ID = ") + N(eventId);
    return m_Connection.Execute(m_Statement);
}

bool CEventTreeRecset::Recover(int eventId)
{
    m_Statement = QStringLiteral("UPDATE Event SET DeleteFlag = 0 WHERE Event_ID = ") + N(eventId);
    return m_Connection.Execute(m_Statement);
}

bool CEventTreeRecset::Delete(int eventId)
{
    m_Statement = QStringLiteral("DELETE FROM Event WHERE Event_ID= ") + N(eventId);
    return m_Connection.Execute(m_Statement);
}

bool CEventTreeRecset::DeleteOfHazard(int hazId)
{
    m_Statement = QStringLiteral("DELETE FROM Event WHERE Haz_ID= ") + N(hazId);
    return m_Connection.Execute(m_Statement);
}

bool CEventTreeRecset::SelectById(CEventTreeList& list, int eventId)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Event_ID=") + N(eventId) + " ");
}

bool CEventTreeRecset::SelectActive(CEventTreeList& list, int eventId)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Event_ID=") + N(eventId) +
                            " and DeleteFlag = 0");
}

bool CEventTreeRecset::SelectOfHazard(CEventTreeList& list, int hazId, int eventId)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Haz_ID=") + N(hazId) +
                            " and Event_ID=" + N(eventId) + " ");
}

bool CEventTreeRecset::SelectByName(CEventTreeList& list, int hazId, const QString& name)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Haz_ID=") + N(hazId) +
                            " and Event_Name='" + T(name) + "' ");
}

bool CEventTreeRecset::SelectChildByName(CEventTreeList& list, int hazId, int parentId,
                                         const QString& name)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Haz_ID=") + N(hazId) +
                            " and Event_Name='" + T(name) +
                            "' and Event_ParentID = " + N(parentId));
}

bool CEventTreeRecset::SelectChildren(CEventTreeList& list, int hazId, int parentId, int branch)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Haz_ID=") + N(hazId) +
                            " and Event_ParentID=" + N(parentId) +
                            " and Event_ParentAction = " + N(branch) + " and DeleteFlag = 0");
}

bool CEventTreeRecset::SelectAllChildren(CEventTreeList& list, int hazId, int parentId, int branch)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Haz_ID=") + N(hazId) +
                            " and Event_ParentID=" + N(parentId) +
                            " and Event_ParentAction = " + N(branch) + " ");
}

bool CEventTreeRecset::SelectAccidents(CEventTreeList& list, int hazId)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Haz_ID=") + N(hazId) +
                            " and Event_Type=1 ");
}

bool CEventTreeRecset::SelectDeleted(CEventTreeList& list, int sysId)
{
    return Select(list, QStringLiteral("SELECT * FROM Event where Sys_ID=") + N(sysId) +
                            " and DeleteFlag = 1");
}

bool CEventTreeRecset::SelectTreesOfSystem(CEventTreeNodeList& list, int sysId)
{
    m_Statement = QStringLiteral("SELECT Event.* FROM Event INNER JOIN Hazard ON Event.Haz_ID = "
                                 "Hazard.Haz_ID WHERE Hazard.System_ID = ") +
                  N(sysId) + QStringLiteral(" AND Hazard.DeleteFlag = 0");
    return m_Connection.Select(m_Statement, CEventTreeInfoRs::BoundColumns + 1, list,
                               &CEventTreeInfoRs::ReadNode);
}

bool CEventTreeRecset::SelectTree(CEventTreeNodeList& list, int hazId)
{
    m_Statement = QStringLiteral("SELECT * FROM Event WHERE Haz_ID = ") + N(hazId);
    return m_Connection.Select(m_Statement, CEventTreeInfoRs::BoundColumns + 1, list,
                               &CEventTreeInfoRs::ReadNode);
}
