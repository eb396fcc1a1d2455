#include "viewer/SpreadsheetScanner.h"

#include "viewer/AccidentStatistics.h"
#include "viewer/ScanProgressSink.h"
#include "viewer/Workbook.h"

#include <QDir>
#include <QFileInfo>

#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

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

    // Workbooks are read by a few threads at once, but taken up here strictly in file order,
    // so records, skipped files and progress come out as if read one after the other.
    struct CJob
    {
        QString path;
        bool causeCode = true;
        bool ok = false;
        QString error;
        std::optional<CCauseCodeInfo> record;
        CRailRoadInfo railroad;
        bool ready = false;
    };
    std::vector<CJob> jobs;
    jobs.resize(size_t(total));
    for (int k = 0; k < total; ++k)
    {
        const bool causeCode = k < m_CauseCodeFiles.size();
        jobs[size_t(k)].causeCode = causeCode;
        jobs[size_t(k)].path =
            causeCode ? m_CauseCodeFiles[k] : m_RailroadFiles[k - m_CauseCodeFiles.size()];
    }

    std::mutex mutex;
    std::condition_variable readyChanged;
    std::atomic<size_t> next{0};
    auto work = [&]
    {
        for (size_t i = next++; i < jobs.size(); i = next++)
        {
            CJob& job = jobs[i];
            QString error;
            std::optional<CCauseCodeInfo> record;
            CRailRoadInfo railroad;
            const bool ok = job.causeCode ? LoadCauseCodeWorkbook(job.path, &record, &error)
                                          : LoadRailroadWorkbook(job.path, &railroad, &error);
            {
                std::lock_guard<std::mutex> lock(mutex);
                job.ok = ok;
                job.error = error;
                job.record = std::move(record);
                job.railroad = railroad;
                job.ready = true;
            }
            readyChanged.notify_all();
        }
    };
    const size_t threadCount =
        std::min<size_t>(jobs.size(), size_t(qBound(1, QThread::idealThreadCount(), 4)));
    std::vector<std::thread> threads;
    for (size_t k = 0; k < threadCount; ++k)
        threads.emplace_back(work);

    int done = 0;
    for (CJob& job : jobs)
    {
        progress.PostScanText(QStringLiteral("Loading file %1").arg(job.path));
        progress.PostScanProgress(done / total);
        {
            std::unique_lock<std::mutex> lock(mutex);
            readyChanged.wait(lock, [&job] { return job.ready; });
        }
        if (!job.ok)
        {
            m_Skipped.append({job.path, job.error});
            progress.PostScanText(QStringLiteral("Skipped file %1: %2").arg(job.path, job.error));
        }
        else if (job.causeCode && job.record)
            m_CauseCodes.append(std::move(*job.record));
        else if (!job.causeCode)
            m_Railroads.append(job.railroad);
        job.record.reset(); // done with it: keep memory to what is still queued
        done += 100;
    }
    for (std::thread& thread : threads)
        thread.join();

    progress.PostScanProgress(100);
}

bool CSpreadsheetScanner::ReadCauseCodeWorkbook(const QString& path, QString* error)
{
    std::optional<CCauseCodeInfo> record;
    if (!LoadCauseCodeWorkbook(path, &record, error))
        return false;
    if (record)
        m_CauseCodes.append(std::move(*record));
    return true;
}

bool CSpreadsheetScanner::ReadRailroadWorkbook(const QString& path, QString* error)
{
    CRailRoadInfo railroad;
    if (!LoadRailroadWorkbook(path, &railroad, error))
        return false;
    m_Railroads.append(railroad);
    return true;
}

bool CSpreadsheetScanner::LoadCauseCodeWorkbook(const QString& path,
                                                std::optional<CCauseCodeInfo>* result,
                                                QString* error)
{
    result->reset();
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
    *result = std::move(record);
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
        accidents.append(std::move(a));
    }
}

bool CSpreadsheetScanner::LoadRailroadWorkbook(const QString& path, CRailRoadInfo* result,
                                               QString* error)
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
    *result = railroad;
    return true;
}
