#include "common/DataPaths.h"
#include "common/HelpLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

class TestHelpLauncher : public QObject
{
    Q_OBJECT
private slots:
    void pageOf_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("page");
        QTest::newRow("topic") << "helpoutput.chm::/RESULT OUTPUT.html"
                               << "RESULT OUTPUT.html";
        QTest::newRow("help file") << "helpoutput.chm"
                                   << "index.html";
        QTest::newRow("missing page") << "helpoutput.chm::/NO SUCH PAGE.html"
                                      << "index.html";
        QTest::newRow("outside the folder") << "helpoutput.chm::/../README.md"
                                            << "index.html";
        QTest::newRow("sub folder") << "helpoutput.chm::/x/../SYSTEM.html"
                                    << "index.html";
    }
    void pageOf()
    {
        QFETCH(QString, topic);
        QFETCH(QString, page);
        QCOMPARE(QFileInfo(CHelpLauncher::PageOf(topic)).fileName(), page);
    }

    // Every page the shell opens exists, so no topic lands on the start page by accident.
    void shellPagesExist_data()
    {
        QTest::addColumn<QString>("page");
        for (const char* p :
             {"index.html", "DISPALY PAGE.html", "MAIN WINDOW.html",
              "MIAN SCREEN WITH RESULTS.html", "RESULT OUTPUT.html", "ACCIDENT RATES.html",
              "COLLECTIVE RISKS.html", "LEFT VIEW.html", "OPEN SYSTEM.html", "SYSTEM.html",
              "ADD SUBSYSTEM.html", "ADD FUNCTION.html", "ADD HAZARD.html"})
            QTest::newRow(p) << QString(p);
    }
    void shellPagesExist()
    {
        QFETCH(QString, page);
        QVERIFY(QFileInfo::exists(QDir(CDataPaths::HelpDir()).filePath(page)));
    }

    void openGoesThroughTheOpener()
    {
        QList<QUrl> opened;
        CHelpLauncher::SetOpener(
            [&](const QUrl& url)
            {
                opened << url;
                return true;
            });
        QVERIFY(CHelpLauncher::OpenTopic("helpoutput.chm::/LEFT VIEW.html"));
        CHelpLauncher::SetOpener({});
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().isLocalFile());
        QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QString("LEFT VIEW.html"));
    }
};

QTEST_MAIN(TestHelpLauncher)
#include "tst_HelpLauncher.moc"
