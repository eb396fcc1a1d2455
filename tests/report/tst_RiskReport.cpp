#include "common/DataPaths.h"
#include "event_tree_views/EventTreeDiagram.h"
#include "report/DocxWriter.h"
#include "report/ReportDocument.h"
#include "report/RiskReport.h"
#include "risk_analysis/SystemRun.h"

#include "DocxReader.h"
#include "ModelBuilder.h"
#include "RecordingPrompter.h"
#include "TestDatabases.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace
{
const QDateTime Stamp(QDate(2026, 12, 11), QTime(10, 20, 30));

// Brake v3 with analyst and approver; three hazards in run order:
// H1 "Overspeed" on the system: one event (p = 0.5), Collision on Yes, Derailment on No;
// H2 "Brake failure" on function Braking under subsystem Onboard, probabilities from the
// database; H3 "Missed signal" on function Detection directly under the system, no tree.
// HR, D, N, C and S are chosen so every figure is exact: TCR1 = 3, TCR2 = 0.5, GTCR = 3.5.
struct CReportModel
{
    int system = 0, h1 = 0, h2 = 0, h3 = 0, event = 0, collision = 0, derailment = 0;

    void Build(CTestDatabases& db, double aspl)
    {
        CModelBuilder b(db.Model());
        system = b.System("Brake", aspl, 3);
        CSystemList rows;
        QVERIFY(db.Model().GetSystem(rows, system));
        CSystem row = rows.first();
        row.Sys_Analyst = "A. Analyst";
        row.Sys_Approvedby = "B. Approver";
        QVERIFY(db.Model().UpdateSystem(row, system));
        h1 = b.Hazard(system, "Overspeed", 0.5, 2);
        event = b.Event(system, h1, 0, ParentAction::Root, "Signal passed", 0.5);
        collision = b.Accident(system, h1, event, ParentAction::Yes, "Collision", 1, 4);
        derailment = b.Accident(system, h1, event, ParentAction::No, "Derailment", 2, 1);
        const int onboard = b.Child(system, "Onboard", SystemType::Subsystem);
        const int braking = b.Child(onboard, "Braking", SystemType::Function);
        h2 = b.Hazard(braking, "Brake failure", 0.5, 1, true);
        b.Accident(braking, h2, 0, ParentAction::Root, "LSC", 1, 4, 0.25);
        const int detection = b.Child(system, "Detection", SystemType::Function);
        h3 = b.Hazard(detection, "Missed signal", 1e-6, 1);
        QVERIFY(h1 && h2 && h3 && collision && derailment);
        db.State().m_OpenSystemId = system;
        db.State().m_OpenSystemName = "Brake";
    }
};

// Runs the report and keeps what it wrote.
struct CReportRun
{
    explicit CReportRun(CTestDatabases& db)
        : run(db.State()), diagram(db.State()), report(db.State(), run, diagram)
    {
        report.SetTimestamp(Stamp);
    }
    bool Write()
    {
        ok = report.OnRiskAssessmentReport();
        if (report.Document())
        {
            xml = CDocxWriter::DocumentXml(*report.Document());
            paragraphs = CDocxReader::Paragraphs(xml);
            tables = CDocxReader::Tables(xml);
        }
        return ok;
    }
    // The n-th table whose first cell is `first`.
    QList<QStringList> Table(const QString& first, int n = 0) const
    {
        for (const auto& table : tables)
        {
            if (!table.isEmpty() && table[0][0] == first && n-- == 0)
                return table;
        }
        return {};
    }

    CSystemRun run;
    CEventTreeDiagram diagram;
    CRiskReport report;
    bool ok = false;
    QByteArray xml;
    QStringList paragraphs;
    QList<QList<QStringList>> tables;
};
} // namespace

class TestRiskReport : public QObject
{
    Q_OBJECT

private slots:
    void titleBlockAndSavedFile()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CReportRun r(db);
        QVERIFY(r.Write());
        const QString expected =
            QDir(CDataPaths::ReportsDir()).filePath("Brake v3 2026-12-11 10-20-30.docx");
        QCOMPARE(r.report.SavedPath(), expected);
        CDocxReader reader(expected);
        QVERIFY(reader.IsValid());
        QCOMPARE(reader.Part("word/document.xml"), r.xml);
        QCOMPARE(r.paragraphs.mid(0, 8),
                 QStringList({"RISK ASSESSMENT REPORT", "", "", "VERSION: 3", "", "", "",
                              "Hazard# 1 - Overspeed"}));
        // The first log follows the title block directly; no break comes before it.
        QVERIFY(r.xml.indexOf("Hazard# 1 - ") < r.xml.indexOf("w:type=\"page\""));
        QVERIFY(prompter.StatusTexts().contains(
            "Opens the Risk Assessment report for the System......."));
        QCOMPARE(db.State().m_CurrentHazardId, 0);
        QVERIFY(r.diagram.IsEmpty());
        QVERIFY(r.report.Document()->PrintLayout());
    }

    void hazardLogs()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CReportRun r(db);
        QVERIFY(r.Write());
        QCOMPARE(r.paragraphs.filter(QRegularExpression("^Hazard# ")),
                 QStringList({"Hazard# 1 - Overspeed", "Hazard# 2 - Brake failure",
                              "Hazard# 3 - Missed signal"}));
        const QStringList subsystems = {"", "Onboard", ""};
        const QStringList functions = {"", "Braking", "Detection"};
        const QStringList names = {"Overspeed", "Brake failure", "Missed signal"};
        const QStringList rates = {"5.000e-01", "5.000e-01", "1.000e-06"};
        const QStringList durations = {"2.000e+00", "1.000e+00", "1.000e+00"};
        for (int j = 0; j < 3; ++j)
        {
            const auto log = r.Table("SYSTEM : Brake", j);
            QCOMPARE(log.size(), 7);
            QCOMPARE(log[0],
                     QStringList({"SYSTEM : Brake", "HAZARD LOG", "RISK ANALYST : A. Analyst"}));
            QCOMPARE(log[1], QStringList({"SUB SYSTEM : " + subsystems[j], "",
                                          "REVIEWED BY :(To be entered manually)"}));
            QCOMPARE(log[2],
                     QStringList({"FUNCTION : " + functions[j], "", "APPROVED BY : B. Approver"}));
            QCOMPARE(log[3],
                     QStringList({QString("HAZARD NO : %1").arg(j + 1), "HAZARD NAME : " + names[j],
                                  "INITIAL HAZARD RATE: \n" + rates[j] + " Per Train Mile"}));
            QCOMPARE(log[4],
                     QStringList({"HAZARD DURATION: " + durations[j] + " Train Mile", "", ""}));
            QCOMPARE(log[5][0], QString("HAZARD DESCRIPTION : "));
            QCOMPARE(log[5][1], QString("HAZARD MITIGATION MEASURES : \n (to be described by "
                                        "System Design Analyst)"));
            QCOMPARE(log[5][2],
                     QString("VALIDATION(EVIDENCE OF HAZARD MITIGATION) \n (to be described by "
                             "System Design Analyst and verified by the Risk Analyst after system "
                             "design and V&V are completed)"));
        }
        // Per log: HAZARD LOG over rows 1-3, the name and the rate over rows 4-5.
        QCOMPARE(r.xml.count("<w:vMerge w:val=\"restart\"/>"), 3 * 3);
        QCOMPARE(r.xml.count("<w:vMerge/>"), 3 * 4);
        // HAZARD LOG in Arial 14 bold.
        QVERIFY(r.xml.contains("<w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/>"
                               "<w:b/><w:bCs/><w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/></w:rPr>"
                               "<w:t xml:space=\"preserve\">HAZARD LOG"));
    }

    void eventTreePicturesOnlyForHandBuiltTrees()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        QDir(CDataPaths::EventTreeDir()).removeRecursively(); // made again when missing
        CReportRun r(db);
        QVERIFY(r.Write());
        QCOMPARE(r.paragraphs.count("Event Tree "), 2);
        QCOMPARE(r.report.Document()->Pictures().size(), 2);
        QVERIFY(QFile::exists(CDataPaths::EventTreePicturePath(model.h1)));
        QVERIFY(QFile::exists(CDataPaths::EventTreePicturePath(model.h3)));
        QVERIFY(!QFile::exists(CDataPaths::EventTreePicturePath(model.h2)));
        CDocxReader reader(r.report.SavedPath());
        QVERIFY(reader.Entries().contains("word/media/image2.png"));
        // The picture section belongs to hazard 1, before its accident rates.
        const qsizetype heading = r.paragraphs.indexOf("Event Tree ");
        QVERIFY(heading > r.paragraphs.indexOf("Hazard# 1 - Overspeed"));
        QVERIFY(heading < r.paragraphs.indexOf("Accident Rates"));
    }

    void accidentRatesAndCollectiveRisks()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CReportRun r(db);
        QVERIFY(r.Write());
        for (const char* line :
             {"Hazard No\t\t: 1", "Hazard Name\t\t: Overspeed",
              "Initial Hazard Rate\t: 5.000e-01 (Per Train Mile)", "Hazard No\t\t: 3",
              "Initial Hazard Rate\t: 1.000e-06 (Per Train Mile)"})
            QVERIFY2(r.paragraphs.contains(QLatin1String(line)), line);
        const QStringList rateHeader = {"Accident Name", "Accident Probability",
                                        "Accident Rate \n(Per Train Mile)"};
        QCOMPARE(r.Table("Accident Name", 0),
                 QList<QStringList>({rateHeader,
                                     {"A11 = Collision", "C11 = 5.000e-01", "AR11 = 5.000e-01"},
                                     {"A12 = Derailment", "C12 = 5.000e-01", "AR12 = 1.000e+00"}}));
        const QStringList riskHeader = {"Accident Name", "Adjusted Cost\n(Dollars)",
                                        "Collective Risk\n(Dollars/ Train Mile)"};
        QCOMPARE(r.Table("Accident Name", 1),
                 QList<QStringList>({riskHeader,
                                     {"A11 = Collision", "S11 = 4.00", "CR11 = 2.000e+00"},
                                     {"A12 = Derailment", "S12 = 1.00", "CR12 = 1.000e+00"},
                                     {" ", "", "TCR1 = 3.000e+00"}}));
        // The standard tree takes the stored probability.
        QCOMPARE(r.Table("Accident Name", 2)[1],
                 QStringList({"A21 = LSC", "C21 = 2.500e-01", "AR21 = 1.250e-01"}));
        QCOMPARE(r.Table("Accident Name", 3)[2], QStringList({" ", "", "TCR2 = 5.000e-01"}));
        QVERIFY(r.xml.contains("w:fill=\"C0C0C0\""));
    }

    void hazardWithoutLiveAccidents()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CReportRun r(db);
        QVERIFY(r.Write());
        QCOMPARE(r.paragraphs.count("No Accident Available"), 2);
        const QStringList riskHeader = {"Accident Name", "Adjusted Cost\n(Dollars)",
                                        "Collective Risk\n(Dollars/ Train Mile)"};
        QCOMPARE(r.Table("Accident Name", 4),
                 QList<QStringList>({{"Accident Name", "Accident Probability",
                                      "Accident Rate \n(Per Train Mile)"}}));
        QCOMPARE(r.Table("Accident Name", 5),
                 QList<QStringList>({riskHeader, {" ", "", "TCR3 = 0.000e+00"}}));
        QCOMPARE(r.report.m_ReportSummaryList.size(), 3);
        QCOMPARE(r.report.m_ReportSummaryList[2].Label, QString("H3 = Missed signal"));
        QCOMPARE(r.report.m_ReportSummaryList[2].ValueB, 0.0);
        QCOMPARE(r.report.m_ReportSummaryList[2].ValueC, 1e-6);
        QCOMPARE(r.report.m_ReportSummaryList[0].Label, QString("H1 = Overspeed"));
        QCOMPARE(r.report.m_ReportSummaryList[0].ValueB, 3.0);
    }

    void deletedParentDropsAccident()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CModelBuilder b(db.Model());
        const int h4 = b.Hazard(model.system, "Hidden", 0.5, 1);
        const int gone = b.Event(model.system, h4, 0, ParentAction::Root, "Gone", 0.5);
        b.Accident(model.system, h4, gone, ParentAction::Yes, "Below deleted", 1, 1);
        QVERIFY(db.Model().MarkEventDeleted(gone));
        CReportRun r(db);
        QVERIFY(r.Write());
        QCOMPARE(r.paragraphs.count("No Accident Available"), 4);
        QVERIFY(!r.xml.contains("Below deleted"));
    }

    void summaryAndVerdict_data()
    {
        QTest::addColumn<double>("aspl");
        QTest::addColumn<QString>("asplText");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("GTCR = ASPL") << 3.5 << "3.500e+00"
                                     << "Yes. IHR = THR.";
        QTest::newRow("GTCR > ASPL") << 3.4 << "3.400e+00"
                                     << "No. Re-iterate";
        QTest::newRow("GTCR < ASPL") << 4.0 << "4.000e+00"
                                     << "Yes. IHR = THR.";
    }
    void summaryAndVerdict()
    {
        QFETCH(double, aspl);
        QFETCH(QString, asplText);
        QFETCH(QString, verdict);
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, aspl);
        CReportRun r(db);
        QVERIFY(r.Write());
        QVERIFY(r.paragraphs.contains("Summary "));
        QCOMPARE(r.Table("Hazard Name"),
                 QList<QStringList>({{"Hazard Name", "Initial Hazard Rate\n( PerTrain Mile)",
                                      "Total Collective Risk\n(Dollars/Train Mile)"},
                                     {"H1 = Overspeed", "5.000e-01", "3.000e+00"},
                                     {"H2 = Brake failure", "5.000e-01", "5.000e-01"},
                                     {"H3 = Missed signal", "1.000e-06", "0.000e+00"}}));
        QCOMPARE(r.Table("ASPL(Base Case Risk)\n(Dollars/Train Mile)"),
                 QList<QStringList>(
                     {{"ASPL(Base Case Risk)\n(Dollars/Train Mile)",
                       "Grand Total Collective Risk\n(Dollars/Train Mile)", "GTCR <= ASPL?"},
                      {asplText, "3.500e+00", verdict}}));
        QCOMPARE(r.report.m_AsplText, asplText);
    }

    void footerHoldsDateAndPage()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CReportRun r(db);
        QVERIFY(r.Write());
        CDocxReader reader(r.report.SavedPath());
        const QByteArray footer = reader.Part("word/footer1.xml");
        const QString date = QLocale::c().toString(QDate::currentDate(), "M/d/yyyy");
        QCOMPARE(CDocxReader::Paragraphs(footer), QStringList({date + "\t\tPAGE # 1"}));
        QVERIFY(footer.contains("w:instr=\" DATE \""));
        QVERIFY(footer.contains("w:instr=\" PAGE \""));
    }

    void systemWithoutHazards()
    {
        CTestDatabases db;
        CRecordingPrompter prompter;
        CModelBuilder b(db.Model());
        const int sys = b.System("Empty", 1.0, 1);
        b.Child(sys, "Sub", SystemType::Subsystem);
        db.State().m_OpenSystemId = sys;
        CReportRun r(db);
        QVERIFY(r.Write());
        QCOMPARE(r.paragraphs,
                 QStringList({"RISK ASSESSMENT REPORT", "", "", "VERSION: 1", "", "", "", ""}));
        QVERIFY(!r.xml.contains("w:type=\"page\""));
        CDocxReader reader(r.report.SavedPath());
        QVERIFY(reader.Text("word/footer1.xml").contains("PAGE # "));
        // The run's own message appears as for the Run command.
        QVERIFY(prompter.Messages().first().startsWith(
            "The following system does not have an associated hazard to run"));
    }

    void failures()
    {
        CTestDatabases db;
        CReportModel model;
        model.Build(db, 3.5);
        {
            CRecordingPrompter prompter;
            CReportRun r(db);
            r.report.SetOutputPath(QDir(db.Root()).filePath("missing/folder/report.docx"));
            QVERIFY(!r.Write());
            const QStringList failures = prompter.Messages().filter("Unable to initialize MS Word");
            QCOMPARE(failures.size(), 1);
            QVERIFY(failures.first().startsWith(
                "Unable to initialize MS Word. Cannot create hazard logs.\n"));
            QVERIFY(failures.first().contains("report.docx"));
            QVERIFY(r.report.SavedPath().isEmpty());
        }
        {
            // A file where the Reports folder should be.
            QFile blocker(CDataPaths::ReportsDir());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            CRecordingPrompter prompter;
            CReportRun r(db);
            QVERIFY(!r.Write());
            QVERIFY(prompter.Messages().last().startsWith(
                "Unable to initialize MS Word. Cannot create hazard logs.\n"));
            QVERIFY(!r.report.Document());
        }
        {
            CRecordingPrompter prompter;
            db.Model().Close();
            CReportRun r(db);
            QVERIFY(!r.Write());
            QVERIFY(prompter.Messages().contains("Unable to get the System details"));
            QVERIFY(!r.report.Document());
        }
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "Brake"
                               << "Brake v2 2026-12-11 10-20-30.docx";
        QTest::newRow("slashes") << "../A/B\\C"
                                 << "_._A_B_C v2 2026-12-11 10-20-30.docx";
        QTest::newRow("quotes") << "O'Neil: \"x\""
                                << "O'Neil_ _x_ v2 2026-12-11 10-20-30.docx";
    }
    void fileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(CRiskReport::DefaultFileName(name, 2, Stamp), file);
    }

    void libreOfficeRendersTheReport()
    {
        const QString office = QStandardPaths::findExecutable("libreoffice");
        if (office.isEmpty())
            QSKIP("libreoffice is not installed");
        CTestDatabases db;
        CRecordingPrompter prompter;
        CReportModel model;
        model.Build(db, 3.5);
        CReportRun r(db);
        QVERIFY(r.Write());
        QTemporaryDir out;
        QProcess process;
        process.setWorkingDirectory(out.path());
        process.start(office,
                      {"-env:UserInstallation=file://" + out.filePath("profile"), "--headless",
                       "--convert-to", "pdf", "--outdir", out.path(), r.report.SavedPath()});
        QVERIFY(process.waitForFinished(180000));
        QFile file(out.filePath("Brake v3 2026-12-11 10-20-30.pdf"));
        QVERIFY2(file.open(QIODevice::ReadOnly), process.readAllStandardError().constData());
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // Hazards with a tree take three pages, the standard one two, the summary one.
        const qsizetype pages =
            QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]"));
        QCOMPARE(pages, 3 + 2 + 3 + 1);
    }
};

QTEST_MAIN(TestRiskReport)
#include "tst_RiskReport.moc"
