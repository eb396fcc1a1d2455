#include "history/AccidentMasterRecset.h"

#include "history/AccidentDetailsRs.h"
#include "history/AccidentMasterRs.h"
#include "model_store/DatabaseConnection.h"
#include "model_store/SqlText.h"

using namespace SqlValue;

namespace
{
QString F(float value)
{
    return CSqlText::Fixed(double(value));
}
} // namespace

bool CAccidentMasterRecset::InsertMaster(const CAccidentHistoryReportInfo& m, int* newId)
{
    m_Statement = QStringLiteral("INSERT INTO Accident_Master(Accident_Name,Description) VALUES(") +
                  " '" + T(m.Accident_Name) + "','" + T(m.Description) + "')";
    return m_Connection.Execute(m_Statement, newId);
}

bool CAccidentMasterRecset::SelectMasters(CAccidentHistoryReportInfoList& list)
{
    m_Statement = QStringLiteral("SELECT * FROM Accident_Master");
    return m_Connection.Select(m_Statement, CAccidentMasterRs::BoundColumns, list,
                               &CAccidentMasterRs::Read);
}

bool CAccidentMasterRecset::SelectMasterByName(CAccidentHistoryReportInfoList& list,
                                               const QString& name)
{
    m_Statement =
        QStringLiteral("SELECT * FROM Accident_Master where Accident_Name='") + T(name) + "'";
    return m_Connection.Select(m_Statement, CAccidentMasterRs::BoundColumns, list,
                               &CAccidentMasterRs::Read);
}

bool CAccidentMasterRecset::UpdateMaster(const CAccidentHistoryReportInfo& m,
                                         const QString& oldName)
{
    m_Statement = QStringLiteral("UPDATE Accident_Master SET ") + "Accident_Name = '" +
                  T(m.Accident_Name) + "',Description = '" + T(m.Description) +
                  "'  WHERE Accident_Name ='" + T(oldName) + "'";
    return m_Connection.Execute(m_Statement);
}

bool CAccidentMasterRecset::DeleteMaster(const QString& name)
{
    m_Statement =
        QStringLiteral("DELETE FROM Accident_Master WHERE Accident_Name='") + T(name) + "'";
    return m_Connection.Execute(m_Statement);
}

bool CAccidentMasterRecset::InsertDetails(const CAccidentHistoryDetailsInfo& d, int* newId)
{
    m_Statement =
        QStringLiteral("INSERT INTO Accident_History (Accident_ID,Fatality_1,Fatality_2,"
                       "Fatality_3,Other_Fatality,Person_Exposed,Weight_1,Weight_2,Weight_3,"
                       "OtherFatalityWeight,Name) VALUES(") +
        " " + N(d.Accident_ID) + ", " + N(d.Fatality_1) + ", " + N(d.Fatality_2) + ", " +
        N(d.Fatality_3) + ", " + N(d.Other_Fatality) + "," + N(d.Person_Exposed) + "," +
        F(d.Weight_1) + "," + F(d.Weight_2) + "," + F(d.Weight_3) + "," + F(d.OtherFatalityWeight) +
        ",'" + T(d.Name) + "')";
    return m_Connection.Execute(m_Statement, newId);
}

bool CAccidentMasterRecset::SelectDetailsOfMaster(CAccidentHistoryDetailsInfoList& list,
                                                  int accidentId)
{
    m_Statement =
        QStringLiteral("SELECT * FROM Accident_History where Accident_ID = ") + N(accidentId);
    return m_Connection.Select(m_Statement, CAccidentDetailsRs::BoundColumns, list,
                               &CAccidentDetailsRs::Read);
}

bool CAccidentMasterRecset::SelectDetails(CAccidentHistoryDetailsInfoList& list, int id)
{
    m_Statement = QStringLiteral("SELECT * FROM Accident_History where ID = ") + N(id);
    return m_Connection.Select(m_Statement, CAccidentDetailsRs::BoundColumns, list,
                               &CAccidentDetailsRs::Read);
}

bool CAccidentMasterRecset::UpdateDetails(const CAccidentHistoryDetailsInfo& d, int id)
{
    m_Statement = QStringLiteral("UPDATE Accident_History SET ") +
                  "Fatality_1 = " + N(d.Fatality_1) + ",Fatality_2 = " + N(d.Fatality_2) +
                  ",Fatality_3 = " + N(d.Fatality_3) + ",Other_Fatality = " + N(d.Other_Fatality) +
                  ",Person_Exposed = " + N(d.Person_Exposed) + ",Weight_1 = " + F(d.Weight_1) +
                  ",Weight_2 = " + F(d.Weight_2) + ",Weight_3  = " + F(d.Weight_3) +
                  ",OtherFatalityWeight  = " + F(d.OtherFatalityWeight) + "  WHERE ID =" + N(id);
    return m_Connection.Execute(m_Statement);
}

bool CAccidentMasterRecset::DeleteDetails(int id)
{
    m_Statement = QStringLiteral("DELETE FROM Accident_History WHERE ID=") + " " + N(id);
    return m_Connection.Execute(m_Statement);
}
