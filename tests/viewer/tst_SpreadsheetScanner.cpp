#include "viewer/AccidentStatistics.h"
#include "viewer/ScanProgressSink.h"
#include "viewer/SpreadsheetScanner.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
QString Data(const QString& name)
{
    return QStringLiteral(QUILLON_TEST_DATA_DIR "/viewer/") + name;
}

class CRecordingSink : public CScanProgressSink
{
public:
    void PostScanText(const QString& text) override { texts.append(text); }
    void PostScanProgress(int position) override { positions.append(position); }
    QStringList texts;
    QList<int> positions;
};

// Content and modification time of every file below a folder.
QMap<QString, QByteArray> Snapshot(const QString& dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(path,
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1) +
                             QFileInfo(path).lastModified().toString(Qt::ISODateWithMs).toUtf8());
    }
    return files;
}

const CCauseCodeInfo* Find(const CSpreadsheetScanner& scanner, const QString& code)
{
    for (const CCauseCodeInfo& record : scanner.CauseCodes())
        if (record.CauseCode == code)
            return &record;
    return nullptr;
}
} // namespace

class TestSpreadsheetScanner : public QObject
{
    Q_OBJECT
private slots:
    void listsWorkbooksInNameOrder()
    {
        const QStringList files = CSpreadsheetScanner::ListWorkbooks(Data("scan/Cause Code Excel"));
        QStringList names;
        for (const QString& f : files)
        {
            QVERIFY(QFileInfo(f).isAbsolute());
            names.append(QFileInfo(f).fileName());
        }
        // Upper-case extensions count; the text file does not.
        QCOMPARE(names, (QStringList{"H401.xls", "T110.XLSX", "Z999.xls"}));
        QVERIFY(CSpreadsheetScanner::ListWorkbooks(Data("no such folder")).isEmpty());
    }

    void progressPositionsAndTexts()
    {
        CSpreadsheetScanner scanner(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        CRecordingSink sink;
        scanner.ScanSpreadsheets(&sink);
        QCOMPARE(sink.positions, (QList<int>{0, 0, 20, 40, 60, 80, 100}));
        QCOMPARE(sink.texts.size(), 6);
        QCOMPARE(sink.texts[0], QString("Launching Excel"));
        QCOMPARE(sink.texts[1], "Loading file " + scanner.CauseCodeFiles()[0]);
        QCOMPARE(sink.texts[5], "Loading file " + scanner.RailroadFiles()[1]);
        QVERIFY(scanner.Skipped().isEmpty());
    }

    void noWorkbooksGoesStraightTo100()
    {
        QTemporaryDir empty;
        CSpreadsheetScanner scanner(empty.path(), empty.filePath("missing"));
        CRecordingSink sink;
        scanner.ScanSpreadsheets(&sink);
        QCOMPARE(sink.positions, (QList<int>{0, 100}));
        QVERIFY(scanner.CauseCodes().isEmpty());
        QVERIFY(scanner.Railroads().isEmpty());
    }

    void causeCodeRecords()
    {
        CSpreadsheetScanner scanner(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        scanner.ScanSpreadsheets();
        // Z999 has three sheets only and gives no record.
        QCOMPARE(scanner.CauseCodes().size(), 2);
        QCOMPARE(scanner.CauseCodes()[0].CauseCode, QString("H401"));
        QCOMPARE(scanner.CauseCodes()[1].CauseCode, QString("T110"));
        QVERIFY(!Find(scanner, "Z999"));

        const CCauseCodeInfo& h = scanner.CauseCodes()[0];
        QCOMPARE(h.Description, QString("Track geometry defects\nWide gauge\nOther"));
        // Rows 5, 4, 3 hold low, medium, high speed collision; 8, 7, 6 the derailments.
        const std::array<double, 6> cjk = {1.5e-4, 2.5e-4, 3.5e-4, 4.5e-4, 5.5e-4, 6.5e-4};
        const std::array<double, 6> sjk = {1000.0, 2000.5, 3000.25, 4000.0, 5000.0, 6000.0};
        QCOMPARE(h.Cjk, cjk);
        QCOMPARE(h.Sjk, sjk);
        QCOMPARE(h.LowSpeedAccidents.size(), 5);
        QCOMPARE(h.MediumSpeedAccidents.size(), 2);
        QCOMPARE(h.HighSpeedAccidents.size(), 1);

        const CAccidentInfo& first = h.LowSpeedAccidents[0];
        QCOMPARE(first.ReportNo, QString("R-100"));
        QCOMPARE(first.Date, 39448.0); // a date-formatted cell gives its day number
        QCOMPARE(first.Type, QString("C"));
        QCOMPARE(first.EqptDamage, 1234.99);
        QCOMPARE(first.TrackDamage, 500.0);
        QCOMPARE(first.Fatalities, 2); // 2.7 truncated
        QCOMPARE(first.Injuries, 3);
        QCOMPARE(first.Speed, QString("45")); // 45.9 stored as a number
        QCOMPARE(first.Railroad, QString("BNSF"));

        // A report number stored as a number counts as a row but gives no text.
        const CAccidentInfo& numeric = h.LowSpeedAccidents[1];
        QCOMPARE(numeric.ReportNo, QString());
        QCOMPARE(numeric.Type, QString(" d "));
        QCOMPARE(numeric.Speed, QString(" 30 mph ")); // text taken as it is, blanks included
        QCOMPARE(h.LowSpeedAccidents[2].Date, 60.0);
        // A date cell formatted without time still keeps its time part, as in the spreadsheet.
        QCOMPARE(h.LowSpeedAccidents[3].Date, 39448.75);
        QCOMPARE(h.LowSpeedAccidents[4].Date, 59.0);
        QCOMPARE(AccidentsOfType(h, 3).size(), 2); // " d " and "D"

        const CCauseCodeInfo& t = scanner.CauseCodes()[1];
        QCOMPARE(t.Cjk[2], 0.0); // I3 holds text
        QCOMPARE(t.Sjk[2], 30.0);
        QCOMPARE(t.Cjk[0], 1e-3);
        QCOMPARE(t.LowSpeedAccidents.size(), 1);
        QCOMPARE(t.LowSpeedAccidents[0].Date, 39448.75);
        QCOMPARE(t.LowSpeedAccidents[0].Speed, QString("40"));
        QVERIFY(t.MediumSpeedAccidents.isEmpty()); // A2 empty, A3 filled: no rows
        QVERIFY(t.HighSpeedAccidents.isEmpty());
    }

    void railroadRecords()
    {
        CSpreadsheetScanner scanner(Data("none"), Data("scan/RailRoad"));
        scanner.ScanSpreadsheets();
        QCOMPARE(scanner.Railroads().size(), 2);
        QCOMPARE(scanner.Railroads()[0].Name, QString("BNSF"));
        QVERIFY(scanner.Railroads()[0].HasRb);
        QCOMPARE(scanner.Railroads()[0].Rb, 1234.5678); // E761
        QCOMPARE(scanner.Railroads()[1].Name, QString("UP"));
        QVERIFY(!scanner.Railroads()[1].HasRb); // E761 holds text
    }

    void damagedWorkbooksAreSkippedAndNamed()
    {
        CSpreadsheetScanner scanner(Data("broken/Cause Code Excel"), Data("none"));
        CRecordingSink sink;
        scanner.ScanSpreadsheets(&sink);
        QCOMPARE(scanner.CauseCodes().size(), 1);
        QCOMPARE(scanner.CauseCodes()[0].CauseCode, QString("A100"));
        QCOMPARE(scanner.Skipped().size(), 3);
        QStringList skipped;
        for (const CSkippedWorkbook& s : scanner.Skipped())
        {
            skipped.append(QFileInfo(s.Path).fileName());
            QVERIFY(!s.Reason.isEmpty());
            QVERIFY(sink.texts.contains(QString("Skipped file %1: %2").arg(s.Path, s.Reason)));
        }
        QCOMPARE(skipped, (QStringList{"B200.xls", "C300.xlsx", "D400.xls"}));
        QCOMPARE(sink.positions, (QList<int>{0, 0, 25, 50, 75, 100}));
    }

    void inputFilesAreNeverWritten()
    {
        const QMap<QString, QByteArray> before = Snapshot(Data(""));
        CSpreadsheetScanner scanner(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        scanner.ScanSpreadsheets();
        CSpreadsheetScanner broken(Data("broken/Cause Code Excel"), Data("scan/RailRoad"));
        broken.ScanSpreadsheets();
        QCOMPARE(Snapshot(Data("")), before);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetScanner)
#include "tst_SpreadsheetScanner.moc"
