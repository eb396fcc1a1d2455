#include "cli/ResultPrinter.h"

#include "common/ApplicationState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QStringList ResultColumns = {"System Name", "Version", "Hazard Number", "Hazard Name(Hj)",
                                   "Total Collective Risk"};
const QStringList AccidentRateColumns = {"Version",
                                         "Hazard Number",
                                         "Hazard Name(Hj)",
                                         "Initial Hazard Rate(HRj)",
                                         "Accident(Ajk)",
                                         "Accident Probability(Cjk)",
                                         "Accident Rate(ARjk)"};
const QStringList CollectiveRiskColumns = {"Version",
                                           "Hazard Number",
                                           "Hazard Name(Hj)",
                                           "Initial Hazard Rate(HRj)",
                                           "Adjusted Cost Per Mile",
                                           "Collective risk(CRjk)"};

QString Section(const QString& title, const QStringList& columns, const QList<QStringList>& rows)
{
    QString text = u'[' + title + QStringLiteral("]\n") + columns.join(u'\t') + u'\n';
    for (const QStringList& row : rows)
        text += row.join(u'\t') + u'\n';
    return text;
}

QJsonArray JsonRows(const QStringList& columns, const QList<QStringList>& rows)
{
    QJsonArray array;
    for (const QStringList& row : rows)
    {
        QJsonObject object;
        for (qsizetype i = 0; i < columns.size(); ++i)
            object.insert(columns[i], row.value(i));
        array.append(object);
    }
    return array;
}
} // namespace

void CResultPrinter::ClearResults()
{
    m_Results.clear();
    m_AccidentRates.clear();
    m_CollectiveRisks.clear();
}

void CResultPrinter::AddResultRow(const ResultRow& row)
{
    m_Results.append({m_State.m_OpenSystemName, row.VersionText, row.HazardNumber, row.HazardLabel,
                      row.TotalRiskText});
}

void CResultPrinter::AddAccidentRateRow(const ResultRow& row)
{
    m_AccidentRates.append({row.VersionText, row.HazardNumber, row.HazardLabel, row.RateText,
                            row.AccidentLabel, row.ProbabilityText, row.AccidentRateText});
}

void CResultPrinter::AddCollectiveRiskRow(const ResultRow& row)
{
    m_CollectiveRisks.append({row.VersionText, row.HazardNumber, row.HazardLabel, row.RateText,
                              row.CostText, row.RiskText});
}

QString CResultPrinter::Text() const
{
    return Section(QStringLiteral("Result"), ResultColumns, m_Results) +
           Section(QStringLiteral("Accident Rates"), AccidentRateColumns, m_AccidentRates) +
           Section(QStringLiteral("Collective Risks"), CollectiveRiskColumns, m_CollectiveRisks);
}

QString CResultPrinter::Json() const
{
    QJsonObject root;
    root.insert(QStringLiteral("Result"), JsonRows(ResultColumns, m_Results));
    root.insert(QStringLiteral("Accident Rates"), JsonRows(AccidentRateColumns, m_AccidentRates));
    root.insert(QStringLiteral("Collective Risks"),
                JsonRows(CollectiveRiskColumns, m_CollectiveRisks));
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}
