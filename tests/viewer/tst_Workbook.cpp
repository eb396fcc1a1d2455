#include "viewer/Workbook.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace
{
QString Data(const QString& name)
{
    return QStringLiteral(QUILLON_TEST_DATA_DIR "/viewer/") + name;
}
} // namespace

Q_DECLARE_METATYPE(CCellValue::Kind)

class TestWorkbook : public QObject
{
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<CCellValue::Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        using K = CCellValue::Kind;
        for (const char* file : {"cells.xls", "cells.xlsx"})
        {
            auto row = [&](const char* name) -> QTestData&
            { return QTest::addRow("%s %s", file, name) << file; };
            row("text") << "A1" << K::Text << QString::fromUtf8("Zürich text") << 0.0;
            row("integer as double") << "A2" << K::Number << "" << 7.0;
            row("double") << "A3" << K::Number << "" << 2.5;
            row("date cell as day number") << "A4" << K::Number << "" << 39448.0;
            row("date and time") << "A5" << K::Number << "" << 39448.75;
            row("day 60") << "A6" << K::Number << "" << 60.0;
            row("day 59") << "A7" << K::Number << "" << 59.0;
            row("day 61") << "A8" << K::Number << "" << 61.0;
            row("empty") << "A9" << K::Empty << "" << 0.0;
            row("blanks kept") << "A10" << K::Text << "  blanks  " << 0.0;
            row("line feed kept") << "A11" << K::Text << "line one\nline two" << 0.0;
            row("negative") << "A12" << K::Number << "" << -3.25;
            row("beyond the used range") << "Z1000" << K::Empty << "" << 0.0;
        }
    }
    void cells()
    {
        QFETCH(QString, file);
        QFETCH(QString, cell);
        QFETCH(CCellValue::Kind, kind);
        QFETCH(QString, text);
        QFETCH(double, number);
        QString error;
        std::unique_ptr<CWorkbook> book = CWorkbook::Open(Data(file), &error);
        QVERIFY2(book, qPrintable(error));
        QCOMPARE(book->SheetCount(), 2);
        const CCellValue value = book->Cell(1, cell);
        QCOMPARE(value.kind, kind);
        QCOMPARE(value.text, text);
        QCOMPARE(value.number, number);
        QVERIFY(book->Cell(2, u"A1").IsEmpty());
        QVERIFY(book->Cell(3, u"A1").IsEmpty()); // no such sheet
        QVERIFY(book->Error().isEmpty());
    }

    void handmadeXlsx_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<CCellValue::Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        using K = CCellValue::Kind;
        QTest::newRow("rich text without phonetic hint") << "A1" << K::Text << "Rich text " << 0.0;
        QTest::newRow("blank text, no reference") << "B1" << K::Text << "   " << 0.0;
        QTest::newRow("inline with escape") << "A2" << K::Text << "inline\r" << 0.0;
        QTest::newRow("ISO date") << "A3" << K::Number << "" << 39448.75;
        QTest::newRow("truth value") << "A4" << K::Other << "" << 0.0;
        QTest::newRow("error value") << "A5" << K::Other << "" << 0.0;
        QTest::newRow("formula never calculated") << "A6" << K::Empty << "" << 0.0;
        QTest::newRow("text formula") << "A7" << K::Text << "ab" << 0.0;
        QTest::newRow("row without number") << "A8" << K::Number << "" << 1.5e-3;
        QTest::newRow("far row") << "E761" << K::Number << "" << 42.0;
    }
    void handmadeXlsx()
    {
        QFETCH(QString, cell);
        QFETCH(CCellValue::Kind, kind);
        QFETCH(QString, text);
        QFETCH(double, number);
        QString error;
        std::unique_ptr<CWorkbook> book = CWorkbook::Open(Data("handmade.xlsx"), &error);
        QVERIFY2(book, qPrintable(error));
        QCOMPARE(book->SheetCount(), 1);
        const CCellValue value = book->Cell(1, cell);
        QCOMPARE(value.kind, kind);
        QCOMPARE(value.text, text);
        QCOMPARE(value.number, number);
        QVERIFY(book->Error().isEmpty());
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated xls") << "broken/Cause Code Excel/B200.xls"
                                       << "truncated .xls";
        QTest::newRow("truncated xlsx") << "broken/Cause Code Excel/C300.xlsx"
                                        << "truncated .xlsx";
        QTest::newRow("xls cut near its end") << "truncated_late.xls"
                                              << "truncated";
        QTest::newRow("text file") << "broken/Cause Code Excel/D400.xls"
                                   << "not a workbook";
        QTest::newRow("missing") << "broken/none.xls"
                                 << "cannot be opened";
    }
    void unreadable()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!CWorkbook::Open(Data(file), &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void sharedStringsOverManyRecords()
    {
        // 1500 texts plus two of 9000 characters: the strings run over many records and are
        // cut at record ends, in 8-bit and in 16-bit form.
        QString error;
        std::unique_ptr<CWorkbook> book = CWorkbook::Open(Data("long_strings.xls"), &error);
        QVERIFY2(book, qPrintable(error));
        for (int k = 0; k < 1500; ++k)
        {
            QString expected = QString::asprintf("Text %04d ", k) + QString(k % 23, 'x');
            if (k % 7 == 0)
                expected += QChar(0x0141);
            const CCellValue value = book->Cell(1, k, 0);
            QVERIFY2(value.IsText() && value.text == expected, qPrintable(QString::number(k)));
        }
        QCOMPARE(book->Cell(1, u"B1").text, QString(9000, QChar(0xE9)));
        QCOMPARE(book->Cell(1, u"B2").text, QString(9000, 'a'));
        QVERIFY(book->Cell(1, u"A1501").IsEmpty());
        QVERIFY(book->Error().isEmpty());
    }

    void readingLeavesFilesAlone()
    {
        for (const char* name : {"cells.xls", "cells.xlsx"})
        {
            QFile file(Data(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray before =
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
            file.close();
            const QDateTime modified = QFileInfo(file).lastModified();
            {
                QString error;
                std::unique_ptr<CWorkbook> book = CWorkbook::Open(file.fileName(), &error);
                QVERIFY(book);
                book->Cell(1, u"A1");
            }
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1), before);
            QCOMPARE(QFileInfo(file).lastModified(), modified);
        }
    }

    void cellNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("A1") << "A1" << true << 0 << 0;
        QTest::newRow("E761") << "E761" << true << 760 << 4;
        QTest::newRow("AA10") << "AA10" << true << 9 << 26;
        QTest::newRow("lower case") << "j8" << true << 7 << 9;
        QTest::newRow("no row") << "A" << false << 0 << 0;
        QTest::newRow("row 0") << "A0" << false << 0 << 0;
        QTest::newRow("no column") << "12" << false << 0 << 0;
        QTest::newRow("junk") << "A1x" << false << 0 << 0;
    }
    void cellNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QFETCH(int, row);
        QFETCH(int, column);
        int gotRow = -1;
        int gotColumn = -1;
        QCOMPARE(CWorkbook::ParseCellName(name, &gotRow, &gotColumn), ok);
        if (ok)
        {
            QCOMPARE(gotRow, row);
            QCOMPARE(gotColumn, column);
        }
    }

    void dateTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("day");
        QTest::newRow("1900-01-01") << "1900-01-01" << true << 1.0;
        QTest::newRow("1900-02-28") << "1900-02-28" << true << 59.0;
        QTest::newRow("1900-02-29") << "1900-02-29" << true << 60.0;
        QTest::newRow("1900-03-01") << "1900-03-01" << true << 61.0;
        QTest::newRow("2008-01-01") << "2008-01-01" << true << 39448.0;
        QTest::newRow("with time") << "2008-01-01 18:00:00" << true << 39448.75;
        QTest::newRow("iso T") << "2008-01-01T06:00:00" << true << 39448.25;
        QTest::newRow("time only") << "12:00:00" << true << 0.5;
        QTest::newRow("garbage") << "tomorrow" << false << 0.0;
        QTest::newRow("bad month") << "2008-13-01" << false << 0.0;
    }
    void dateTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, day);
        double got = -1;
        QCOMPARE(CWorkbook::DayNumberOfText(text, &got), ok);
        if (ok)
            QCOMPARE(got, day);
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_Workbook.moc"
