#include "report/RiskReport.h"

#include "common/ApplicationState.h"
#include "common/DataPaths.h"
#include "common/Prompter.h"
#include "event_tree_views/EventTreeDiagram.h"
#include "forms/NumberText.h"
#include "model_store/ModelDatabase.h"
#include "report/ReportDocument.h"
#include "risk_analysis/LoadedEventTreeWalk.h"
#include "risk_analysis/SystemRun.h"

#include <QDir>
#include <QFileInfo>

namespace
{
using Align = CDocParagraph::Alignment;
using VAlign = CDocTable::VerticalAlignment;

QString Number(int value)
{
    return QString::number(value);
}
} // namespace

CRiskReport::CRiskReport(CApplicationState& state, CSystemRun& run, CEventTreeDiagram& diagram)
    : m_State(state), m_Run(run), m_Diagram(diagram)
{
}

CRiskReport::~CRiskReport() = default;

QString CRiskReport::DefaultFileName(const QString& systemName, int version, const QDateTime& when)
{
    // A system name is free text: keep it from naming another folder or an invalid file.
    QString name = systemName;
    for (QChar& c : name)
    {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    if (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    return QStringLiteral("%1 v%2 %3.docx")
        .arg(name, Number(version), when.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
}

void CRiskReport::Fail(const QString& reason)
{
    if (m_Failed)
        return;
    m_Failed = true;
    CPrompter::Message(WordFailureText + QLatin1Char('\n') + reason, CPrompter::Icon::Information,
                       CPrompter::DefaultCaption);
}

bool CRiskReport::OnRiskAssessmentReport()
{
    m_Failed = false;
    m_SavedPath.clear();
    m_Run.RunSystem();
    CPrompter::Status(QStringLiteral("Opens the Risk Assessment report for the System......."));
    m_AnalystText.clear();
    m_ApproverText.clear();

    CModelDatabase& store = *m_State.m_pModelStore;
    CSystemList systems;
    if (!store.GetSystem(systems, m_State.m_OpenSystemId))
    {
        CPrompter::Message(QStringLiteral("Unable to get the System details"));
        if (m_ReportFinished)
            m_ReportFinished();
        return false;
    }
    int version = 0;
    QString systemName;
    m_HazardIndex = 0;
    m_AccidentIndex = 0;
    if (!systems.isEmpty())
    {
        const CSystem& system = systems.first();
        m_State.m_OpenSystemName = system.Sys_Name;
        m_AsplText = FormatScientific(system.Sys_TIR);
        m_AnalystText = system.Sys_Analyst;
        m_ApproverText = system.Sys_Approvedby;
        version = system.Version;
        systemName = system.Sys_Name;
    }

    // Where the document goes must exist before anything is written.
    const QDateTime when = m_Timestamp.isValid() ? m_Timestamp : QDateTime::currentDateTime();
    QString path = m_OutputPath;
    if (path.isEmpty())
    {
        const QString folder = CDataPaths::ReportsDir();
        if (!QDir().mkpath(folder))
        {
            Fail(QStringLiteral("Cannot make the folder %1").arg(QDir(folder).absolutePath()));
            if (m_ReportFinished)
                m_ReportFinished();
            return false;
        }
        path = QDir(folder).filePath(DefaultFileName(systemName, version, when));
    }

    m_Document = std::make_unique<CReportDocument>();
    m_Walk = std::make_unique<CLoadedEventTreeWalk>(store);
    CReportDocument& doc = *m_Document;

    doc.SetAlignment(Align::Center);
    doc.SetFont(QStringLiteral("Arial"), 15);
    doc.SetBold(true);
    doc.TypeText(QStringLiteral("RISK ASSESSMENT REPORT\r"));
    doc.TypeParagraphs(2);
    doc.SetAlignment(Align::Center);
    doc.SetFont(QStringLiteral("Arial"), 13);
    doc.SetBold(true);
    doc.TypeText(QStringLiteral("VERSION: %1").arg(version));
    doc.TypeParagraphs(4);

    doc.SetPrintLayout(true);
    doc.AppendFooterField(CReportDocument::FooterField::Date);
    doc.AppendFooterText(QStringLiteral("\t\t"));
    doc.AppendFooterText(QStringLiteral("PAGE # "));
    doc.AppendFooterField(CReportDocument::FooterField::Page);

    m_ReportSummaryList.clear();
    ReportHazardsOf(m_State.m_OpenSystemId, m_State.m_OpenSystemName, QString(), QString());
    ReportChildrenOf(m_State.m_OpenSystemId, m_State.m_OpenSystemName, QString(), QString());
    if (!m_Failed)
        WriteSummary();

    if (!m_Failed)
    {
        QString error;
        if (doc.Save(path, &error))
            m_SavedPath = path;
        else
            Fail(error);
    }
    m_Walk.reset();
    m_State.m_CurrentHazardId = 0;
    m_Diagram.Clear();
    if (m_ReportFinished)
        m_ReportFinished();
    return !m_Failed;
}

void CRiskReport::ReportChildrenOf(int sysId, const QString& systemName,
                                   const QString& subsystemName, const QString& functionName)
{
    Q_UNUSED(subsystemName);
    Q_UNUSED(functionName);
    CSystemList children;
    if (!m_State.m_pModelStore->GetChildSystems(children, sysId))
    {
        CPrompter::Message(QStringLiteral("Unable to retrieve System details"));
        return;
    }
    for (const CSystem& child : children)
    {
        if (m_Failed)
            return;
        if (child.Type == SystemType::Subsystem)
        {
            ReportHazardsOf(child.Sys_ID, systemName, child.Sys_Name, QString());
            ReportChildrenOf(child.Sys_ID, systemName, child.Sys_Name, QString());
            continue;
        }
        CSystemList parents;
        if (!m_State.m_pModelStore->GetSystem(parents, child.Parent_ID))
            return;
        if (!parents.isEmpty() && parents.first().Type == SystemType::Subsystem)
        {
            ReportHazardsOf(child.Sys_ID, systemName, parents.first().Sys_Name, child.Sys_Name);
            ReportChildrenOf(child.Sys_ID, systemName, parents.first().Sys_Name, child.Sys_Name);
        }
        else
        {
            ReportHazardsOf(child.Sys_ID, systemName, QString(), child.Sys_Name);
            ReportChildrenOf(child.Sys_ID, systemName, QString(), child.Sys_Name);
        }
    }
}

void CRiskReport::ReportHazardsOf(int sysId, const QString& systemName,
                                  const QString& subsystemName, const QString& functionName)
{
    Q_UNUSED(systemName);
    CHazardList hazards;
    if (!m_State.m_pModelStore->GetHazards(hazards, sysId))
        return;
    for (const CHazard& hazard : hazards)
    {
        if (m_Failed)
            return;
        const int j = ++m_HazardIndex;
        m_AccidentIndex = 0;
        m_State.m_CurrentHazardName = hazard.Haz_Name;
        m_State.m_CurrentHazardId = hazard.Haz_ID;
        if (m_HazardStarted)
            m_HazardStarted(hazard.Haz_ID);
        if (!hazard.IsProbFromDatabase)
        {
            // The picture is drawn now, so the document never shows an older one.
            m_Diagram.BuildDiagram();
            QString error;
            m_PictureHazardId = hazard.Haz_ID;
            if (!m_Diagram.SavePicture(&error, &m_Picture))
            {
                Fail(error);
                return;
            }
        }
        if (j > 1)
        {
            m_Document->GoToEnd();
            m_Document->InsertBreak(1);
        }
        WriteHazardLog(hazard, subsystemName, functionName);
        if (!hazard.IsProbFromDatabase)
            WriteEventTreePicture(hazard.Haz_ID);
        if (m_Failed)
            return;
        WriteAccidentRates(hazard, j);
        WriteCollectiveRisks(hazard, j);
    }
}

CDocTable& CRiskReport::AddTable(int rows, int columns, std::initializer_list<double> widths)
{
    CDocTable& table = *m_Document->AddTable(m_Document->InsertionPoint(), rows, columns);
    table.SetBorders(CDocTable::BorderStyle::Double, CDocTable::BorderStyle::Double);
    table.SetRowHeights(30);
    int column = 1;
    for (double width : widths)
        table.SetColumnWidth(column++, width);
    return table;
}

void CRiskReport::WriteHazardLog(const CHazard& hazard, const QString& subsystemName,
                                 const QString& functionName)
{
    CReportDocument& doc = *m_Document;
    doc.SetAlignment(Align::Left);
    doc.SetFont(QStringLiteral("Arial"), 10);
    doc.TypeText(QStringLiteral("Hazard# %1 - %2").arg(Number(m_HazardIndex), hazard.Haz_Name));
    doc.TypeParagraphs(4);
    doc.SetBold(false);

    CDocTable& table = AddTable(7, 3, {170, 160, 170});
    table.MergeCells(1, 2, 3, 2);
    doc.SetFont(QStringLiteral("Arial"), 14);
    doc.SetBold(false);
    table.SetCellFont(1, 2, QStringLiteral("Arial"), 14);
    table.SetCellBold(1, 2, false);

    QString units;
    QString costUnits;
    m_State.GetSystemUnits(m_State.m_OpenSystemId, units, costUnits);

    WriteLogRow(table, 1, QStringLiteral("SYSTEM : ") + m_State.m_OpenSystemName,
                QStringLiteral("HAZARD LOG"), QStringLiteral("RISK ANALYST : ") + m_AnalystText,
                true);
    WriteLogRow(table, 2, QStringLiteral("SUB SYSTEM : ") + subsystemName, QString(),
                QStringLiteral("REVIEWED BY :(To be entered manually)"), false);
    WriteLogRow(table, 3, QStringLiteral("FUNCTION : ") + functionName, QString(),
                QStringLiteral("APPROVED BY : ") + m_ApproverText, false);
    WriteLogRow(table, 4, QStringLiteral("HAZARD NO : %1").arg(m_HazardIndex),
                QStringLiteral("HAZARD NAME : ") + hazard.Haz_Name,
                QStringLiteral("INITIAL HAZARD RATE: \n") + FormatScientific(hazard.Haz_Rate) +
                    QStringLiteral(" Per ") + units,
                true);
    WriteLogRow(table, 5,
                QStringLiteral("HAZARD DURATION: ") + FormatScientific(hazard.Haz_Duration) +
                    QStringLiteral(" ") + units,
                QString(), QString(), true);
    WriteLogRow(
        table, 6, QStringLiteral("HAZARD DESCRIPTION : "),
        QStringLiteral("HAZARD MITIGATION MEASURES : \n (to be described by System Design "
                       "Analyst)"),
        QStringLiteral("VALIDATION(EVIDENCE OF HAZARD MITIGATION) \n (to be described by "
                       "System Design Analyst and verified by the Risk Analyst after system "
                       "design and V&V are completed)"),
        true);
    WriteLogRow(table, 7, hazard.Haz_Notes, hazard.Haz_Mitigation, hazard.Haz_Validation, true);

    table.MergeCells(4, 3, 5, 3);
    table.MergeCells(4, 2, 5, 2);
    doc.GoToEnd();
    doc.InsertBreak(1);
}

void CRiskReport::WriteLogRow(CDocTable& table, int row, const QString& t1, const QString& t2,
                              const QString& t3, bool writeMiddle)
{
    table.AppendCellText(row, 1, t1);
    table.SetCellVerticalAlignment(row, 1, VAlign::Center);
    if (row == 6)
        table.SetCellBold(row, 1, true);
    table.SetCellFont(row, 1, QStringLiteral("Arial"), 10);
    if (writeMiddle)
    {
        table.AppendCellText(row, 2, t2);
        table.SetCellVerticalAlignment(row, 2, VAlign::Center);
        if (row == 1 || row == 6)
            table.SetCellBold(row, 2, true);
    }
    table.AppendCellText(row, 3, t3);
    table.SetCellVerticalAlignment(row, 3, VAlign::Center);
    if (row == 6)
        table.SetCellBold(row, 3, true);
}

void CRiskReport::WriteTableRow(CDocTable& table, int row, const QString& t1, const QString& t2,
                                const QString& t3)
{
    const QString texts[3] = {t1, t2, t3};
    for (int column = 1; column <= 3; ++column)
    {
        table.AppendCellText(row, column, texts[column - 1]);
        table.SetCellVerticalAlignment(row, column, VAlign::Center);
    }
}

void CRiskReport::WriteEventTreePicture(int hazardId)
{
    CReportDocument& doc = *m_Document;
    doc.SetAlignment(Align::Center);
    doc.SetBold(true);
    doc.SetFont(QStringLiteral("Verdana"), 15);
    doc.TypeText(QStringLiteral("Event Tree "));
    doc.TypeParagraphs(2);
    doc.GoToEnd();
    QString error;
    const bool inserted =
        hazardId == m_PictureHazardId && !m_Picture.isNull()
            ? doc.InsertPicture(m_Picture, &error)
            : doc.InsertPicture(CDataPaths::EventTreePicturePath(hazardId), &error);
    m_Picture = QImage();
    if (!inserted)
    {
        Fail(error);
        return;
    }
    doc.InsertBreak(1);
}

void CRiskReport::WriteAccidentRates(const CHazard& hazard, int j)
{
    CReportDocument& doc = *m_Document;
    const CEventTreeList accidents = m_Walk->CountedAccidents(hazard.Haz_ID);
    const int rows = 1 + int(accidents.size());

    doc.SetAlignment(Align::Left);
    doc.SetFont(QStringLiteral("Arial"), 15);
    doc.SetBold(true);
    doc.TypeText(QStringLiteral("Accident Rates"));
    doc.SetFont(QStringLiteral("Arial"), 10);
    doc.TypeParagraphs(2);
    doc.SetAlignment(Align::Left);
    doc.TypeText(QStringLiteral("Hazard No\t\t: %1").arg(j));
    doc.TypeParagraphs(1);
    doc.SetAlignment(Align::Left);
    doc.TypeText(QStringLiteral("Hazard Name\t\t: ") + hazard.Haz_Name);
    doc.TypeParagraphs(1);
    doc.SetAlignment(Align::Left);
    doc.TypeText(QStringLiteral("Initial Hazard Rate\t: %1 (Per Train Mile)")
                     .arg(FormatScientific(hazard.Haz_Rate)));
    doc.TypeParagraphs(2);
    if (accidents.isEmpty())
        doc.TypeText(QStringLiteral("No Accident Available"));
    doc.TypeParagraphs(1);

    CDocTable& table = AddTable(rows, 3, {200, 120, 120});
    table.ShadeRow(1, CDocTable::Shading::Gray25);
    table.SetRowBold(1, true);
    table.SetCellAlignment(1, 1, Align::Center);
    WriteTableRow(table, 1, QStringLiteral("Accident Name"), QStringLiteral("Accident Probability"),
                  QStringLiteral("Accident Rate \n(Per Train Mile)"));

    for (const CEventTree& accident : accidents)
    {
        const int k = ++m_AccidentIndex;
        const double c = m_Walk->AccidentProbability(hazard, accident);
        const double ar = hazard.Haz_Rate * hazard.Haz_Duration * accident.Accident_Number * c;
        const int row = k + 1;
        table.SetRowBold(row, false);
        const QString jk = Number(j) + Number(k);
        WriteTableRow(table, row, QStringLiteral("A%1 = %2").arg(jk, accident.Event_Name),
                      QStringLiteral("C%1 = %2").arg(jk, FormatScientific(c)),
                      QStringLiteral("AR%1 = %2").arg(jk, FormatScientific(ar)));
    }
    doc.GoToEnd();
    doc.TypeParagraphs(2);
}

void CRiskReport::WriteCollectiveRisks(const CHazard& hazard, int j)
{
    CReportDocument& doc = *m_Document;
    QString units;
    QString costUnits;
    m_State.GetSystemUnits(m_State.m_OpenSystemId, units, costUnits);
    const CEventTreeList accidents = m_Walk->CountedAccidents(hazard.Haz_ID);
    const int rows = 1 + int(accidents.size()) + 1;

    doc.SetFont(QStringLiteral("Arial"), 15);
    doc.SetBold(true);
    doc.SetAlignment(Align::Left);
    doc.TypeText(QStringLiteral("Collective Risks "));
    doc.TypeParagraphs(2);
    doc.SetFont(QStringLiteral("Arial"), 10);
    doc.SetBold(true);

    const CReportDocument::Position position = doc.InsertionPoint();
    if (accidents.isEmpty())
    {
        doc.TypeText(QStringLiteral("No Accident Available"));
        doc.TypeParagraphs(1);
    }
    CDocTable& table = *doc.AddTable(position, rows, 3);
    table.SetBorders(CDocTable::BorderStyle::Double, CDocTable::BorderStyle::Double);
    table.SetRowHeights(30);
    table.SetColumnWidth(1, 200);
    table.SetColumnWidth(2, 80);
    table.SetColumnWidth(3, 120);
    table.ShadeRow(1, CDocTable::Shading::Gray25);
    table.SetCellAlignment(1, 1, Align::Center);
    WriteTableRow(table, 1, QStringLiteral("Accident Name"),
                  QStringLiteral("Adjusted Cost\n(") + costUnits + QStringLiteral(")"),
                  QStringLiteral("Collective Risk\n(") + costUnits + QStringLiteral("/ ") + units +
                      QStringLiteral(")"));

    m_AccidentIndex = 0;
    double tcr = 0.0;
    for (const CEventTree& accident : accidents)
    {
        const int k = ++m_AccidentIndex;
        const double c = m_Walk->AccidentProbability(hazard, accident);
        const double ar = hazard.Haz_Rate * hazard.Haz_Duration * accident.Accident_Number * c;
        const double cr = double(accident.Fatility) * ar;
        tcr = tcr + cr;
        const int row = k + 1;
        table.SetRowBold(row, false);
        const QString jk = Number(j) + Number(k);
        WriteTableRow(table, row, QStringLiteral("A%1 = %2").arg(jk, accident.Event_Name),
                      QStringLiteral("S%1 = ").arg(jk) +
                          QString::asprintf("%0.2f", double(accident.Fatility)),
                      QStringLiteral("CR%1 = %2").arg(jk, FormatScientific(cr)));
    }
    table.SetRowBold(rows, false);
    WriteTableRow(table, rows, QStringLiteral(" "), QString(),
                  QStringLiteral("TCR%1 = %2").arg(Number(j), FormatScientific(tcr)));

    Summary summary;
    summary.Label = QStringLiteral("H%1 = %2").arg(Number(j), hazard.Haz_Name);
    summary.ValueB = tcr;
    summary.ValueC = hazard.Haz_Rate;
    m_ReportSummaryList.append(summary);

    doc.GoToEnd();
    doc.TypeParagraphs(2);
}

void CRiskReport::WriteSummary()
{
    CReportDocument& doc = *m_Document;
    QString units;
    QString costUnits;
    m_State.GetSystemUnits(m_State.m_OpenSystemId, units, costUnits);
    const int n = int(m_ReportSummaryList.size());
    if (n == 0)
        return;

    doc.InsertBreak(1);
    doc.SetFont(QStringLiteral("Arial"), 15);
    doc.SetBold(true);
    doc.SetAlignment(Align::Left);
    doc.TypeText(QStringLiteral("Summary "));
    doc.TypeParagraphs(2);
    doc.SetFont(QStringLiteral("Arial"), 10);
    doc.SetBold(true);

    CDocTable& totals = AddTable(1 + n, 3, {200, 120, 120});
    totals.ShadeRow(1, CDocTable::Shading::Gray25);
    WriteTableRow(totals, 1, QStringLiteral("Hazard Name"),
                  QStringLiteral("Initial Hazard Rate\n( Per") + units + QStringLiteral(")"),
                  QStringLiteral("Total Collective Risk\n(") + costUnits + QStringLiteral("/") +
                      units + QStringLiteral(")"));
    double gtcr = 0.0;
    int row = 2;
    for (const Summary& summary : m_ReportSummaryList)
    {
        const QString texts[3] = {summary.Label, FormatScientific(summary.ValueC),
                                  FormatScientific(summary.ValueB)};
        for (int column = 1; column <= 3; ++column)
        {
            totals.AppendCellText(row, column, texts[column - 1]);
            totals.SetCellBold(row, column, false);
            totals.SetCellVerticalAlignment(row, column, VAlign::Center);
        }
        gtcr += summary.ValueB;
        ++row;
    }
    doc.GoToEnd();
    doc.TypeParagraphs(2);

    CDocTable& verdict = AddTable(2, 3, {120, 160, 100});
    verdict.ShadeRow(1, CDocTable::Shading::Gray25);
    WriteTableRow(verdict, 1,
                  QStringLiteral("ASPL(Base Case Risk)\n(") + costUnits + QStringLiteral("/") +
                      units + QStringLiteral(")"),
                  QStringLiteral("Grand Total Collective Risk\n(") + costUnits +
                      QStringLiteral("/") + units + QStringLiteral(")"),
                  QStringLiteral("GTCR <= ASPL?"));
    CSystemList systems;
    if (m_State.m_pModelStore->GetSystem(systems, m_State.m_OpenSystemId) && !systems.isEmpty())
    {
        const double aspl = systems.first().Sys_TIR;
        const QString texts[3] = {FormatScientific(aspl), FormatScientific(gtcr),
                                  aspl < gtcr ? QStringLiteral("No. Re-iterate")
                                              : QStringLiteral("Yes. IHR = THR.")};
        for (int column = 1; column <= 3; ++column)
        {
            verdict.AppendCellText(2, column, texts[column - 1]);
            verdict.SetCellBold(2, column, false);
            verdict.SetCellVerticalAlignment(2, column, VAlign::Center);
        }
    }
}
