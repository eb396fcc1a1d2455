#include "viewer/SpreadsheetScanner.h"

#include "viewer/AccidentStatistics.h"
#include "viewer/ScanProgressSink.h"
#include "viewer/Workbook.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace
{
class CNoSink : public CScanProgressSink
{
public:
    void PostScanText(const QString&) override {}
    void PostScanProgress(int) override {}
};

QString FileTitle(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}
} // namespace

CSpreadsheetScanner::CSpreadsheetScanner(const QString& causeCodeDir, const QString& railroadDir)
    : m_CauseCodeDir(causeCodeDir), m_RailroadDir(railroadDir)
{
}

QStringList CSpreadsheetScanner::ListWorkbooks(const QString& dir)
{
    const QDir folder(dir);
    QStringList names;
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : entries)
    {
        const QString suffix = QFileInfo(name).suffix();
        if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0 ||
            suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
            names.append(name);
    }
    // Plain code-point order, the same on every machine and locale.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b) < 0; });
    QStringList paths;
    for (const QString& name : names)
        paths.append(QDir::cleanPath(folder.absoluteFilePath(name)));
    return paths;
}

void CSpreadsheetScanner::ScanSpreadsheets(CScanProgressSink* sink)
{
    CNoSink noSink;
    CScanProgressSink& progress = sink ? *sink : noSink;

    m_CauseCodeFiles = ListWorkbooks(m_CauseCodeDir);
    m_RailroadFiles = ListWorkbooks(m_RailroadDir);
    const int total = int(m_CauseCodeFiles.size() + m_RailroadFiles.size());

    progress.PostScanText(QStringLiteral("Launching Excel"));
    progress.PostScanProgress(0);

    int done = 0;
    auto readAll = [&](const QStringList& files, bool causeCodes)
    {
        for (const QString& path : files)
        {
            progress.PostScanText(QStringLiteral("Loading file %1").arg(path));
            progress.PostScanProgress(done / total);
            QString error;
            const bool ok = causeCodes ? ReadCauseCodeWorkbook(path, &error)
                                       : ReadRailroadWorkbook(path, &error);
            if (!ok)
            {
                m_Skipped.append({path, error});
                progress.PostScanText(QStringLiteral("Skipped file %1: %2").arg(path, error));
            }
            done += 100;
        }
    };
    readAll(m_CauseCodeFiles, true);
    readAll(m_RailroadFiles, false);

    progress.PostScanProgress(100);
}

bool CSpreadsheetScanner::ReadCauseCodeWorkbook(const QString& path, QString* error)
{
    std::unique_ptr<CWorkbook> book = CWorkbook::Open(path, error);
    if (!book)
        return false;
    if (book->SheetCount() <= 3)
        return true; // not a cause-code workbook: no record, but nothing wrong either

    CCauseCodeInfo record;
    record.CauseCode = FileTitle(path);
    ReadCauseCodeSheet(*book, 4, record);
    ReadAccidentSheet(*book, 1, record.LowSpeedAccidents);
    ReadAccidentSheet(*book, 2, record.MediumSpeedAccidents);
    ReadAccidentSheet(*book, 3, record.HighSpeedAccidents);
    if (!book->Error().isEmpty())
    {
        // Half a workbook would show wrong figures; leave it out altogether.
        *error = book->Error();
        return false;
    }
    m_CauseCodes.append(record);
    return true;
}

void CSpreadsheetScanner::ReadCauseCodeSheet(CWorkbook& book, int sheet, CCauseCodeInfo& record)
{
    const CCellValue description = book.Cell(sheet, u"A1");
    if (description.IsText())
        record.Description = description.text;

    // Rows 3 to 5 hold high, medium and low speed collision, rows 6 to 8 the derailments.
    static const int Rows[AccidentTypeCount] = {5, 4, 3, 8, 7, 6};
    for (int type = 0; type < AccidentTypeCount; ++type)
    {
        const CCellValue cjk = book.Cell(sheet, Rows[type] - 1, 8); // column I
        if (cjk.IsNumber())
            record.Cjk[type] = cjk.number;
        const CCellValue sjk = book.Cell(sheet, Rows[type] - 1, 9); // column J
        if (sjk.IsNumber())
            record.Sjk[type] = sjk.number;
    }
}

void CSpreadsheetScanner::ReadAccidentSheet(CWorkbook& book, int sheet,
                                            QList<CAccidentInfo>& accidents)
{
    // Row 1 holds the headings; the rows run down to the first empty cell of column A.
    for (int row = 1; !book.Cell(sheet, row, 0).IsEmpty(); ++row)
    {
        CAccidentInfo a;
        auto cell = [&](int column) { return book.Cell(sheet, row, column); };
        CCellValue v = cell(0);
        if (v.IsText())
            a.ReportNo = v.text;
        if ((v = cell(1)).IsNumber())
            a.Date = v.number;
        if ((v = cell(2)).IsText())
            a.Type = v.text;
        if ((v = cell(3)).IsNumber())
            a.EqptDamage = v.number;
        if ((v = cell(4)).IsNumber())
            a.TrackDamage = v.number;
        if ((v = cell(5)).IsNumber())
            a.OtherLosses = v.number;
        if ((v = cell(6)).IsNumber())
            a.Fatalities = TruncateToInt(v.number);
        if ((v = cell(7)).IsNumber())
            a.Injuries = TruncateToInt(v.number);
        if ((v = cell(8)).IsText())
            a.Speed = v.text;
        else if (v.IsNumber())
            a.Speed = QString::number(TruncateToInt(v.number));
        if ((v = cell(9)).IsText())
            a.Railroad = v.text;
        accidents.append(a);
    }
}

bool CSpreadsheetScanner::ReadRailroadWorkbook(const QString& path, QString* error)
{
    std::unique_ptr<CWorkbook> book = CWorkbook::Open(path, error);
    if (!book)
        return false;
    CRailRoadInfo railroad;
    railroad.Name = FileTitle(path);
    const CCellValue rb = book->Cell(1, u"E761");
    if (!book->Error().isEmpty())
    {
        *error = book->Error();
        return false;
    }
    if (rb.IsNumber())
    {
        railroad.Rb = rb.number;
        railroad.HasRb = true;
    }
    m_Railroads.append(railroad);
    return true;
}
