#include "common/StreamPrompter.h"

#include <QTemporaryFile>
#include <QtTest>

class TestStreamPrompter : public QObject
{
    Q_OBJECT
private slots:
    void oneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Running..."
                               << "Running...";
        QTest::newRow("line breaks") << "a\nb\r\nc"
                                     << "a\\nb\\r\\nc";
        QTest::newRow("backslash") << "C:\\Data"
                                   << "C:\\\\Data";
    }
    void oneLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(CStreamPrompter::OneLine(text), expected);
    }
    void writesPrefixedLines()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        std::FILE* f = fdopen(dup(file.handle()), "w");
        {
            CStreamPrompter p(f);
            p.ShowMessage("two\nlines", CPrompter::Icon::Warning, "x");
            p.ShowStatus("Ready...");
            QVERIFY(!p.AskQuestion("Sure?", "x"));
        }
        std::fclose(f);
        file.seek(0);
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QString("message: two\\nlines\nstatus: Ready...\nquestion: Sure? -> No\n"));
    }
};

QTEST_GUILESS_MAIN(TestStreamPrompter)
#include "tst_StreamPrompter.moc"
