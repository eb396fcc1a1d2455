#include "risk_analysis/ui/ResultTabView.h"

#include "risk_analysis/ui/ResultListView.h"

#include <QTabBar>

CResultTabView::CResultTabView(std::function<QString()> systemName, QWidget* parent)
    : CTabView(parent), m_SystemName(std::move(systemName))
{
    setObjectName(QStringLiteral("resultTabs"));
    const char* labels[3] = {"Result", "Accident Rates", "Collective Risks"};
    const char* names[3] = {"resultList", "accidentRateList", "collectiveRiskList"};
    for (int i = 0; i < 3; ++i)
    {
        AddView(i, QString::fromUtf8(labels[i]),
                [this, i, names](QWidget* owner)
                {
                    m_Lists[i] = new CResultListView(owner);
                    m_Lists[i]->setObjectName(QString::fromUtf8(names[i]));
                    return m_Lists[i];
                });
    }
    m_Lists[ResultTab]->SetUpResultColumns();
    m_Lists[AccidentRateTab]->SetUpAccidentRateColumns();
    m_Lists[CollectiveRiskTab]->SetUpCollectiveRiskColumns();
}

CResultListView* CResultTabView::GetList(int index) const
{
    return index >= 0 && index < 3 ? m_Lists[index] : nullptr;
}

void CResultTabView::ClearResults()
{
    for (CResultListView* list : m_Lists)
        list->ClearRows();
}

void CResultTabView::AddResultRow(const ResultRow& row)
{
    m_Lists[ResultTab]->AppendRow({m_SystemName ? m_SystemName() : QString(), row.VersionText,
                                   row.HazardNumber, row.HazardLabel, row.TotalRiskText});
}

void CResultTabView::AddAccidentRateRow(const ResultRow& row)
{
    m_Lists[AccidentRateTab]->AppendRow({row.VersionText, row.HazardNumber, row.HazardLabel,
                                         row.RateText, row.AccidentLabel, row.ProbabilityText,
                                         row.AccidentRateText});
}

void CResultTabView::AddCollectiveRiskRow(const ResultRow& row)
{
    m_Lists[CollectiveRiskTab]->AppendRow({row.VersionText, row.HazardNumber, row.HazardLabel,
                                           row.RateText, row.CostText, row.RiskText});
}

void CResultTabView::FitColumnsToRows()
{
    for (CResultListView* list : m_Lists)
        list->WidenColumnsToContents();
}

QString CResultTabView::OnContextHelp()
{
    if (tabBar()->hasFocus())
        return QStringLiteral("helpoutput.chm::/MIAN SCREEN WITH RESULTS.html");
    switch (currentIndex())
    {
    case ResultTab:
        return QStringLiteral("helpoutput.chm::/RESULT OUTPUT.html");
    case AccidentRateTab:
        return QStringLiteral("helpoutput.chm::/ACCIDENT RATES.html");
    case CollectiveRiskTab:
        return QStringLiteral("helpoutput.chm::/COLLECTIVE RISKS.html");
    default:
        return QStringLiteral("helpoutput.chm::/MIAN SCREEN WITH RESULTS.html");
    }
}
