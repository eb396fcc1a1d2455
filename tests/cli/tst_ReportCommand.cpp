#include "ModelBuilder.h"
#include "model_store/ModelDatabase.h"

#include "DocxReader.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    struct Outcome
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // Runs quillon without a display and without a chosen Qt platform, as on a server.
    Outcome Quillon(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(environment);
        process.start(QUILLON_BINARY_DIR "/src/quillon",
                      QStringList{"--data", m_Dir.path()} + args);
        if (!process.waitForFinished(120000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Dir.isValid());
        QCOMPARE(Quillon({"init"}).exitCode, 0);
        CModelDatabase store;
        QVERIFY(store.Open(m_Dir.filePath("Data/Quillon.mdb")));
        CModelBuilder b(store);
        for (int version = 1; version <= 2; ++version)
        {
            const int sys = b.System("Line A", 1.0, version);
            const int h = b.Hazard(sys, "Brake failure", version * 1e-6, 2);
            const int e = b.Event(sys, h, 0, ParentAction::Root, "Driver brakes", 0.5);
            b.Accident(sys, h, e, ParentAction::No, "Collision", 1, 1000000.0f);
            b.Hazard(sys, "Empty", 1e-6, 1);
        }
    }

    void writesTheReportUnderReports()
    {
        const Outcome outcome = Quillon({"report", "Line A"});
        QCOMPARE(outcome.exitCode, 0);
        const QString path = outcome.out.trimmed();
        QVERIFY2(path.startsWith(QDir(m_Dir.path()).filePath("Reports/Line A v2 ")),
                 qPrintable(path));
        QVERIFY(path.endsWith(".docx"));
        CDocxReader reader(path);
        QVERIFY(reader.IsValid());
        const QString xml = reader.Text("word/document.xml");
        QVERIFY(xml.contains("VERSION: 2"));
        QVERIFY(xml.contains("Hazard# 2 - Empty"));
        QCOMPARE(QDir(m_Dir.filePath("EventTree")).entryList({"*.bmp"}).size(), 2);
        // The run's message about the hazard without accidents goes to stderr.
        QVERIFY(outcome.err.contains(
            "No associated accident found in the event tree for the selected hazard -  Empty"));
        QVERIFY(outcome.err.contains("Opens the Risk Assessment report for the System......."));
    }

    void versionAndOutput()
    {
        const QString file = m_Dir.filePath("out/first.docx");
        QVERIFY(QDir().mkpath(m_Dir.filePath("out")));
        const Outcome outcome = Quillon({"report", "Line A", "--version", "1", "--output", file});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out.trimmed(), file);
        QVERIFY(CDocxReader(file).Text("word/document.xml").contains("VERSION: 1"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such system")
            << QStringList{"report", "Line B"} << 2 << "No live system \"Line B\"";
        QTest::newRow("no such version") << QStringList{"report", "Line A", "--version", "7"} << 2
                                         << "No live system \"Line A\" with version 7";
        QTest::newRow("no name") << QStringList{"report"} << 2 << "usage: quillon";
        QTest::newRow("unwritable output")
            << QStringList{"report", "Line A", "--output", "/nonexistent/dir/x.docx"} << 1
            << "Unable to initialize MS Word. Cannot create hazard logs.";
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Outcome outcome = Quillon(args);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(outcome.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_ReportCommand.moc"
