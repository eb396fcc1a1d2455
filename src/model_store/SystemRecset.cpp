#include "model_store/SystemRecset.h"

#include "model_store/DatabaseConnection.h"
#include "model_store/SqlText.h"
#include "model_store/SystemInfoRs.h"

using namespace SqlValue;

bool CSystemRecset::Select(CSystemList& list, const QString& statement)
{
    m_Statement = statement;
    return m_Connection.Select(m_Statement, CSystemInfoRs::BoundColumns, list,
                               &CSystemInfoRs::Read);
}

bool CSystemRecset::Insert(const CSystem& s, int* newId)
{
    m_Statement =
        QStringLiteral("INSERT INTO System ( Sys_Title, Sys_Name, Sys_Analyst, Sys_Approvedby, "
                       "Sys_TIR,Sys_Units,Sys_FatalityUnits, Sys_FunctionDesc, Sys_Notes, "
                       "Sys_RefDoc,Sys_Date,Parent_ID,Type,Version,ProbFromDatabase ) VALUES(") +
        " '" + T(s.Sys_Title) + "', '" + T(s.Sys_Name) + "','" + T(s.Sys_Analyst) + "', '" +
        T(s.Sys_Approvedby) + "'," + CSqlText::Exp(s.Sys_TIR) + ",'" + T(s.Sys_Units) + "','" +
        T(s.Sys_FatalityUnits) + "','" + T(s.Sys_FunctionDesc) + "','" + T(s.Sys_Notes) + "','" +
        T(s.Sys_RefDoc) + "','" + CSqlText::Date(s.Sys_Date) + "'," + N(s.Parent_ID) + "," +
        N(s.Type) + "," + N(s.Version) + "," + N(s.ProbFromDatabase ? 1 : 0) + ")";
    return m_Connection.Execute(m_Statement, newId);
}

bool CSystemRecset::Update(const CSystem& s, int sysId)
{
    m_Statement =
        QStringLiteral("UPDATE System SET ") + "Sys_Title = '" + T(s.Sys_Title) + "',Sys_Name = '" +
        T(s.Sys_Name) + "',Sys_Analyst = '" + T(s.Sys_Analyst) + "',Sys_Approvedby = '" +
        T(s.Sys_Approvedby) + "',Sys_TIR = " + CSqlText::Exp(s.Sys_TIR) + ",Sys_Units = '" +
        T(s.Sys_Units) + "',Sys_FatalityUnits = '" + T(s.Sys_FatalityUnits) +
        "',Sys_FunctionDesc = '" + T(s.Sys_FunctionDesc) + "',Sys_Notes = '" + T(s.Sys_Notes) +
        "',Sys_RefDoc = '" + T(s.Sys_RefDoc) + "',Sys_Date = '" + CSqlText::Date(s.Sys_Date) +
        "',Parent_ID=" + N(s.Parent_ID) + ",Type=" + N(s.Type) + "  WHERE Sys_ID =" + N(sysId);
    return m_Connection.Execute(m_Statement);
}

bool CSystemRecset::Rename(const QString& oldName, const QString& newName)
{
    m_Statement = QStringLiteral("UPDATE System SET Sys_Name = '") + T(newName) +
                  "', Sys_Title = '" + T(newName) + "' WHERE Sys_Name = '" + T(oldName) + "'";
    return m_Connection.Execute(m_Statement);
}

bool CSystemRecset::SetVersion(int sysId, int oldVersion, int newVersion)
{
    m_Statement = QStringLiteral("UPDATE System SET Version=") + N(newVersion) +
                  " WHERE Sys_ID =" + N(sysId) + " AND Version=" + N(oldVersion);
    return m_Connection.Execute(m_Statement);
}

bool CSystemRecset::MarkDeleted(int sysId)
{
    m_Statement = QStringLiteral("UPDATE System SET DeleteFlag = 1 WHERE Sys_ID = ") + N(sysId);
    return m_Connection.Execute(m_Statement);
}

bool CSystemRecset::Recover(int sysId)
{
    m_Statement = QStringLiteral("UPDATE System SET DeleteFlag = 0 WHERE Sys_ID = ") + N(sysId);
    return m_Connection.Execute(m_Statement);
}

bool CSystemRecset::Delete(int sysId)
{
    m_Statement = QStringLiteral("DELETE FROM System WHERE Sys_ID= ") + N(sysId);
    return m_Connection.Execute(m_Statement);
}

bool CSystemRecset::SelectById(CSystemList& list, int sysId)
{
    return Select(list, QStringLiteral("SELECT * FROM System where Sys_ID=") + N(sysId));
}

bool CSystemRecset::SelectByName(CSystemList& list, const QString& name, int parentId)
{
    return Select(list, QStringLiteral("SELECT * FROM System where Sys_Name='") + T(name) +
                            "' and Parent_ID = " + N(parentId) + " and DeleteFlag = 0");
}

bool CSystemRecset::SelectVersion(CSystemList& list, const QString& name, int parentId, int version)
{
    return Select(list, QStringLiteral("SELECT * FROM System where Sys_Name='") + T(name) +
                            "' and Parent_ID = " + N(parentId) + " and Version = " + N(version));
}

bool CSystemRecset::SelectLatestVersion(CSystemList& list, const QString& name)
{
    return Select(list, QStringLiteral("SELECT * FROM System where Sys_Name='") + T(name) +
                            "' And type=0 and Version =(select Max(Version) from System where "
                            "Sys_Name='" +
                            T(name) + "' And type=0)");
}

bool CSystemRecset::SelectFirstOfEachName(CSystemList& list, int type)
{
    return Select(list, QStringLiteral("SELECT *FROM System WHERE Sys_ID in(SELECT MIN(Sys_ID)FROM "
                                       "System WHERE Type=") +
                            N(type) + " GROUP BY Sys_Name)");
}

bool CSystemRecset::SelectChildren(CSystemList& list, int parentId)
{
    return Select(list, QStringLiteral("SELECT * FROM System WHERE Type = 1 and Parent_ID=") +
                            N(parentId) + " and DeleteFlag = 0 or  Type = 2 and Parent_ID=" +
                            N(parentId) + " and DeleteFlag = 0");
}

bool CSystemRecset::SelectAllChildren(CSystemList& list, int parentId)
{
    return Select(list, QStringLiteral("SELECT * FROM System WHERE Type = 1 and Parent_ID=") +
                            N(parentId) + "  or  Type = 2 and Parent_ID=" + N(parentId) + " ");
}

bool CSystemRecset::SelectDeletedByName(CSystemList& list, int type, const QString& name)
{
    return Select(list, QStringLiteral("SELECT *FROM System WHERE Sys_Name = '") + T(name) +
                            "' AND Type = " + N(type) + " AND DeleteFlag = 1");
}

bool CSystemRecset::SelectDeleted(CSystemList& list, int sysId)
{
    return Select(list, QStringLiteral("SELECT *FROM System WHERE Sys_ID = ") + N(sysId) +
                            " AND DeleteFlag = 1");
}
