#include "viewer/SpreadsheetScanner.h"
#include "viewer/VantrelDump.h"
#include "viewer/VantrelOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace
{
QString Data(const QString& name)
{
    return QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA_DIR "/viewer/") + name);
}

const char* const ScanDump = "cause-code\tH401\tTrack geometry defects\\nWide gauge\\nOther\n"
                             "type\t0\tLow Speed Collision\t1.500000e-04\t1000.00\n"
                             "row\t0\tR-100\t01/01/2008\tC\t1234\t500\t0\t2\t3\t45\tBNSF\n"
                             "row\t0\tR-104\t02/28/1900\tc\t99\t0\t0\t0\t0\t7\tBNSF\n"
                             "type\t1\tMedium Speed Collision\t2.500000e-04\t2000.50\n"
                             "row\t1\tM-1\t06/30/2010\tC\t5000\t0\t0\t0\t0\t25\tUP\n"
                             "type\t2\tHigh Speed Collision\t3.500000e-04\t3000.25\n"
                             "type\t3\tLow Speed Derailment\t4.500000e-04\t4000.00\n"
                             "row\t3\t\t01/02/2008\td\t100\t200\t300\t0\t1\t 30 mph \tUP\n"
                             "row\t3\tR-102\t02/29/1900\tD\t10\t20\t30\t1\t0\t12\tCSX\n"
                             "type\t4\tMedium Speed Derailment\t5.500000e-04\t5000.00\n"
                             "row\t4\tM-2\t02/03/2011\tD\t6000\t0\t0\t0\t2\t30\tUP\n"
                             "type\t5\tHigh Speed Derailment\t6.500000e-04\t6000.00\n"
                             "row\t5\tH-1\t12/31/2012\tD\t70000\t1\t2\t4\t5\t79\tCSX\n"
                             "cause-code\tT110\tBroken rail\n"
                             "type\t0\tLow Speed Collision\t1.000000e-03\t10.00\n"
                             "type\t1\tMedium Speed Collision\t2.000000e-03\t20.00\n"
                             "type\t2\tHigh Speed Collision\t0.000000e+00\t30.00\n"
                             "type\t3\tLow Speed Derailment\t4.000000e-03\t40.00\n"
                             "row\t3\tT-1\t01/01/2008\tD\t1\t2\t3\t1\t2\t40\tAmtrak\n"
                             "type\t4\tMedium Speed Derailment\t5.000000e-03\t50.00\n"
                             "type\t5\tHigh Speed Derailment\t6.000000e-03\t60.00\n"
                             "railroad\tBNSF\t1234.57\n"
                             "railroad\tUP\t\n";
} // namespace

class TestVantrelDump : public QObject
{
    Q_OBJECT
private slots:
    void dumpOfScan()
    {
        CSpreadsheetScanner scanner(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        scanner.ScanSpreadsheets();
        QCOMPARE(CVantrelDump::Text(scanner), QString::fromUtf8(ScanDump));
    }

    void skippedLinesComeLast()
    {
        CSpreadsheetScanner scanner(Data("broken/Cause Code Excel"), Data("scan/RailRoad"));
        scanner.ScanSpreadsheets();
        const QStringList lines = CVantrelDump::Text(scanner).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 14 + 2 + 3);
        QVERIFY(lines[14].startsWith("railroad\tBNSF\t"));
        QCOMPARE(lines[16].section('\t', 0, 1),
                 "skipped\t" + Data("broken/Cause Code Excel/B200.xls"));
        QVERIFY(!lines[16].section('\t', 2).isEmpty());
        QVERIFY(lines[17].startsWith("skipped\t" + Data("broken/Cause Code Excel/C300.xlsx")));
        QVERIFY(lines[18].startsWith("skipped\t" + Data("broken/Cause Code Excel/D400.xls")));
    }

    void fieldsStayOnOneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Broken rail"
                               << "Broken rail";
        QTest::newRow("line feeds") << "a\nb"
                                    << "a\\nb";
        QTest::newRow("windows line ends") << "a\r\nb"
                                           << "a\\r\\nb";
        QTest::newRow("tab") << "a\tb"
                             << "a\\tb";
    }
    void fieldsStayOnOneLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CVantrelDump::Field(text), field);
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("causeCodeDir");
        QTest::addColumn<QString>("railroadDir");
        QTest::addColumn<bool>("dump");
        QTest::addColumn<QString>("screenshot");
        const QString cwd = QDir::currentPath();
        QTest::newRow("defaults") << QStringList{} << true << cwd + "/Cause Code Excel"
                                  << cwd + "/RailRoad" << false << "";
        QTest::newRow("all") << QStringList{"--cause-code-dir", "/a b", "--railroad-dir", "/r",
                                            "--dump"}
                             << true << "/a b"
                             << "/r" << true << "";
        QTest::newRow("relative with =") << QStringList{"--railroad-dir=rr"} << true
                                         << cwd + "/Cause Code Excel" << cwd + "/rr" << false << "";
        QTest::newRow("screenshot")
            << QStringList{"--screenshot", "shot.png"} << true << cwd + "/Cause Code Excel"
            << cwd + "/RailRoad" << false << cwd + "/shot.png";
        QTest::newRow("screenshot without file") << QStringList{"--screenshot"} << false << ""
                                                 << "" << false << "";
        QTest::newRow("missing folder") << QStringList{"--railroad-dir"} << false << ""
                                        << "" << false << "";
        QTest::newRow("unknown") << QStringList{"--frobnicate"} << false << ""
                                 << "" << false << "";
    }
    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, ok);
        CVantrelOptions options;
        QString error;
        QCOMPARE(CVantrelOptions::Parse(QStringList{"Vantrel"} + args, &options, &error), ok);
        if (!ok)
        {
            QVERIFY(error.contains("Usage: Vantrel"));
            return;
        }
        QFETCH(QString, causeCodeDir);
        QFETCH(QString, railroadDir);
        QFETCH(bool, dump);
        QCOMPARE(QDir::cleanPath(options.CauseCodeDir), causeCodeDir);
        QCOMPARE(QDir::cleanPath(options.RailroadDir), railroadDir);
        QCOMPARE(options.Dump, dump);
        QFETCH(QString, screenshot);
        QCOMPARE(options.Screenshot, screenshot);
    }

    void programPrintsTheDump()
    {
        const QString program = QStringLiteral(QUILLON_BINARY_DIR "/src/Vantrel");
        if (!QFileInfo(program).isExecutable())
            QSKIP("Vantrel is not built");
        QProcess process;
        process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        // Default folders are taken from the working directory.
        process.setWorkingDirectory(Data("scan"));
        process.start(program, {"--dump"});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(ScanDump));
    }
};

QTEST_GUILESS_MAIN(TestVantrelDump)
#include "tst_VantrelDump.moc"
