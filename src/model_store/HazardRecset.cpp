#include "model_store/HazardRecset.h"

#include "model_store/DatabaseConnection.h"
#include "model_store/HazardInfoRs.h"
#include "model_store/SqlText.h"

using namespace SqlValue;

bool CHazardRecset::Select(CHazardList& list, const QString& statement)
{
    m_Statement = statement;
    return m_Connection.Select(m_Statement, CHazardInfoRs::BoundColumns, list,
                               &CHazardInfoRs::Read);
}

bool CHazardRecset::Insert(const CHazard& h, int* newId)
{
    m_Statement =
        QStringLiteral(
            "INSERT INTO Hazard (System_ID, Haz_Title, Haz_Name, Haz_Analyst, "
            "Haz_Approvedby, Haz_Duration, Haz_ExposureTime, Haz_Mitigation, "
            "Haz_Notes,Haz_Validation,Haz_Rate,Tolerable_HR,IsProbFromDatabase) VALUES(") +
        " " + N(h.System_ID) + ",'" + T(h.Haz_Title) + "', '" + T(h.Haz_Name) + "','" +
        T(h.Haz_Analyst) + "', '" + T(h.Haz_Approvedby) + "'," + E(h.Haz_Duration) + "," + E(0.0) +
        ",'" + T(h.Haz_Mitigation) + "','" + T(h.Haz_Notes) + "','" + T(h.Haz_Validation) + "'," +
        E(h.Haz_Rate) + "," + E(h.Tolerable_HR) + "," + N(h.IsProbFromDatabase ? 1 : 0) + ")";
    return m_Connection.Execute(m_Statement, newId);
}

bool CHazardRecset::Update(const CHazard& h, int hazId)
{
    m_Statement =
        QStringLiteral("UPDATE Hazard SET ") + "Haz_Title = '" + T(h.Haz_Title) + "',Haz_Name = '" +
        T(h.Haz_Name) + "',Haz_Analyst = '" + T(h.Haz_Analyst) + "',Haz_Approvedby = '" +
        T(h.Haz_Approvedby) + "',Haz_Duration = " + E(h.Haz_Duration) +
        ",Haz_ExposureTime = " + E(0.0) + ",Haz_Mitigation = '" + T(h.Haz_Mitigation) +
        "',Haz_Notes = '" + T(h.Haz_Notes) + "',Haz_Validation = '" + T(h.Haz_Validation) +
        "',Haz_Rate = " + E(h.Haz_Rate) + ",Tolerable_HR = " + E(h.Tolerable_HR) +
        ",IsProbFromDatabase = " + N(h.IsProbFromDatabase ? 1 : 0) + "  WHERE Haz_ID =" + N(hazId);
    return m_Connection.Execute(m_Statement);
}

bool CHazardRecset::MarkDeleted(int hazId)
{
    m_Statement = QStringLiteral("UPDATE Hazard SET DeleteFlag = 1 WHERE Haz_ID = ") + N(hazId);
    return m_Connection.Execute(m_Statement);
}

bool CHazardRecset::Recover(int hazId)
{
    m_Statement = QStringLiteral("UPDATE Hazard SET DeleteFlag = 0 WHERE Haz_ID = ") + N(hazId);
    return m_Connection.Execute(m_Statement);
}

bool CHazardRecset::DeleteWithEvents(int hazId)
{
    m_Statement = QStringLiteral("DELETE FROM Hazard WHERE Haz_ID=") + N(hazId) + " ";
    const bool hazardDeleted = m_Connection.Execute(m_Statement);
    m_Statement = QStringLiteral("DELETE FROM Event WHERE Haz_ID= ") + N(hazId);
    const bool eventsDeleted = m_Connection.Execute(m_Statement);
    return hazardDeleted && eventsDeleted;
}

bool CHazardRecset::DeleteOfSystem(int sysId)
{
    m_Statement = QStringLiteral("DELETE FROM Hazard WHERE System_ID=") + N(sysId) + " ";
    return m_Connection.Execute(m_Statement);
}

bool CHazardRecset::SelectById(CHazardList& list, int hazId)
{
    return Select(list, QStringLiteral("SELECT * FROM Hazard where Haz_ID=") + N(hazId) + " ");
}

bool CHazardRecset::SelectByName(CHazardList& list, const QString& name, int sysId)
{
    return Select(list, QStringLiteral("SELECT * FROM Hazard where Haz_Name='") + T(name) +
                            "' and System_ID=" + N(sysId) + " ");
}

bool CHazardRecset::SelectOfSystem(CHazardList& list, int sysId)
{
    return Select(list, QStringLiteral("SELECT * FROM Hazard where System_ID=") + N(sysId) +
                            " and DeleteFlag = 0 ");
}

bool CHazardRecset::SelectDeleted(CHazardList& list, int sysId)
{
    return Select(list, QStringLiteral("SELECT * FROM Hazard where System_ID=") + N(sysId) +
                            " and DeleteFlag = 1");
}
