#pragma once

#include "viewer/CauseCodeInfo.h"
#include "viewer/RailRoadInfo.h"
#include "viewer/SkippedWorkbook.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CScanProgressSink;
class CWorkbook;

// Reads the cause-code and railroad workbooks of two folders into records. Workbooks are only
// ever read; one that cannot be read is named, skipped, and the scan goes on.
class CSpreadsheetScanner
{
public:
    CSpreadsheetScanner(const QString& causeCodeDir, const QString& railroadDir);

    // Lists both folders, reads every workbook and posts progress to the sink (may be null).
    void ScanSpreadsheets(CScanProgressSink* sink = nullptr);

    // The .xls and .xlsx files of a folder (any case), full paths, in file-name order.
    static QStringList ListWorkbooks(const QString& dir);

    // Each appends at most one record; false (with the reason) when the workbook is unreadable.
    bool ReadCauseCodeWorkbook(const QString& path, QString* error);
    bool ReadRailroadWorkbook(const QString& path, QString* error);
    // The same without touching the scanner's lists (any thread): a cause-code workbook of
    // three sheets or fewer is read without error but gives no record.
    static bool LoadCauseCodeWorkbook(const QString& path, std::optional<CCauseCodeInfo>* record,
                                      QString* error);
    static bool LoadRailroadWorkbook(const QString& path, CRailRoadInfo* railroad, QString* error);
    static void ReadCauseCodeSheet(CWorkbook& book, int sheet, CCauseCodeInfo& record);
    static void ReadAccidentSheet(CWorkbook& book, int sheet, QList<CAccidentInfo>& accidents);

    const QStringList& CauseCodeFiles() const { return m_CauseCodeFiles; }
    const QStringList& RailroadFiles() const { return m_RailroadFiles; }
    const QList<CCauseCodeInfo>& CauseCodes() const { return m_CauseCodes; }
    const QList<CRailRoadInfo>& Railroads() const { return m_Railroads; }
    const QList<CSkippedWorkbook>& Skipped() const { return m_Skipped; }

private:
    QString m_CauseCodeDir;
    QString m_RailroadDir;
    QStringList m_CauseCodeFiles;
    QStringList m_RailroadFiles;
    QList<CCauseCodeInfo> m_CauseCodes;
    QList<CRailRoadInfo> m_Railroads;
    QList<CSkippedWorkbook> m_Skipped;
};
