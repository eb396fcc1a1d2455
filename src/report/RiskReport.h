#pragma once

#include "risk_analysis/Summary.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class CApplicationState;
class CDocTable;
class CEventTreeDiagram;
class CEventTreeWalk;
class CHazard;
class CReportDocument;
class CSystemRun;

// The risk assessment report of the open system: runs it, then writes a document with a title
// block, a footer, for every live hazard (in the run's order) its hazard log, event tree
// picture, accident rates and collective risks, and a closing summary of the grand total
// against the system's ASPL. The document is saved under Reports/ in the data folder.
class CRiskReport
{
public:
    CRiskReport(CApplicationState& state, CSystemRun& run, CEventTreeDiagram& diagram);
    ~CRiskReport();
    CRiskReport(const CRiskReport&) = delete;
    CRiskReport& operator=(const CRiskReport&) = delete;

    // Where the document goes; empty (the default) means Reports/ with DefaultFileName.
    void SetOutputPath(const QString& path) { m_OutputPath = path; }
    // The time the file name carries; invalid (the default) means now.
    void SetTimestamp(const QDateTime& when) { m_Timestamp = when; }

    // Hooks for the main window: called before each hazard is written (after the application's
    // current hazard is set; the GUI activates and repaints the diagram tab), and at the end
    // whether or not the report succeeded (the GUI restores its tab and empties the views).
    void SetHazardStarted(std::function<void(int hazardId)> hook)
    {
        m_HazardStarted = std::move(hook);
    }
    void SetReportFinished(std::function<void()> hook) { m_ReportFinished = std::move(hook); }

    // The Risk Assessment Report command. True when the document was saved; its path is then
    // SavedPath().
    bool OnRiskAssessmentReport();

    // "<system name> v<version> <yyyy-mm-dd hh-mm-ss>.docx", with characters that cannot be
    // part of a file name replaced by "_".
    static QString DefaultFileName(const QString& systemName, int version, const QDateTime& when);

    QString SavedPath() const { return m_SavedPath; }
    // The document of the last report (null before the first), for tests.
    const CReportDocument* Document() const { return m_Document.get(); }

    // Report state: hazard number j, accident number k, the ASPL text and the summary records.
    int m_HazardIndex = 0;
    int m_AccidentIndex = 0;
    QString m_AsplText;
    SummaryList m_ReportSummaryList;
    QString m_AnalystText;
    QString m_ApproverText;

    static inline const QString WordFailureText =
        QStringLiteral("Unable to initialize MS Word. Cannot create hazard logs.");

private:
    void ReportHazardsOf(int sysId, const QString& systemName, const QString& subsystemName,
                         const QString& functionName);
    void ReportChildrenOf(int sysId, const QString& systemName, const QString& subsystemName,
                          const QString& functionName);
    void WriteHazardLog(const CHazard& hazard, const QString& subsystemName,
                        const QString& functionName);
    void WriteEventTreePicture(int hazardId);
    void WriteAccidentRates(const CHazard& hazard, int j);
    void WriteCollectiveRisks(const CHazard& hazard, int j);
    void WriteSummary();
    void WriteLogRow(CDocTable& table, int row, const QString& t1, const QString& t2,
                     const QString& t3, bool writeMiddle);
    void WriteTableRow(CDocTable& table, int row, const QString& t1, const QString& t2,
                       const QString& t3);
    // A table at the insertion point: double borders, rows 30 points high, the given widths.
    CDocTable& AddTable(int rows, int columns, std::initializer_list<double> widths);
    void Fail(const QString& reason);

    CApplicationState& m_State;
    CSystemRun& m_Run;
    CEventTreeDiagram& m_Diagram;
    std::unique_ptr<CEventTreeWalk> m_Walk;
    std::unique_ptr<CReportDocument> m_Document;
    std::function<void(int)> m_HazardStarted;
    std::function<void()> m_ReportFinished;
    QString m_OutputPath;
    QDateTime m_Timestamp;
    QString m_SavedPath;
    // The picture just written for the current hazard, so it is not read back from its file.
    QImage m_Picture;
    int m_PictureHazardId = 0;
    bool m_Failed = false;
};
