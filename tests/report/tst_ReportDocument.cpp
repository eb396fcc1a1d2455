#include "report/DocxWriter.h"
#include "report/ReportDocument.h"

#include "DocxReader.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using Align = CDocParagraph::Alignment;

class TestReportDocument : public QObject
{
    Q_OBJECT

    static QString Xml(const CReportDocument& document)
    {
        return QString::fromUtf8(CDocxWriter::DocumentXml(document));
    }

private slots:
    void packageHoldsThePartsWordNeeds()
    {
        CReportDocument document;
        document.TypeText(QStringLiteral("Hello"));
        const QByteArray bytes = document.ToDocx();
        CDocxReader reader(bytes);
        QVERIFY(reader.IsValid());
        for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                                 "word/_rels/document.xml.rels", "word/styles.xml",
                                 "word/settings.xml", "word/footer1.xml", "docProps/core.xml"})
        {
            QVERIFY2(reader.Entries().contains(QLatin1String(part)), part);
            if (QString(part).endsWith(QLatin1String(".xml")) || QString(part).endsWith("rels"))
            {
                QString error;
                QVERIFY2(CDocxReader::WellFormed(reader.Part(part), &error),
                         qPrintable(QString(part) + ": " + error));
            }
        }
        QVERIFY(reader.Text("word/_rels/document.xml.rels").contains("footer1.xml"));
        QVERIFY(reader.Text("word/document.xml")
                    .contains("<w:footerReference w:type=\"default\" r:id=\"rId3\"/>"));
    }

    void typedTextKeepsFontBoldAndAlignment()
    {
        CReportDocument document;
        document.SetAlignment(Align::Center);
        document.SetFont("Arial", 15);
        document.SetBold(true);
        document.TypeText("RISK ASSESSMENT REPORT\r");
        document.TypeParagraphs(2);
        document.SetFont("Arial", 13);
        document.TypeText("VERSION: 3");
        const QString xml = Xml(document);
        QCOMPARE(CDocxReader::Paragraphs(xml.toUtf8()),
                 QStringList({"RISK ASSESSMENT REPORT", "", "", "VERSION: 3", ""}).mid(0, 4));
        QVERIFY(xml.contains("<w:jc w:val=\"center\"/>"));
        QVERIFY(xml.contains("<w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" "
                             "w:cs=\"Arial\"/><w:b/><w:bCs/><w:sz w:val=\"30\"/>"));
        QVERIFY(xml.contains("<w:sz w:val=\"26\"/>"));
        // Every paragraph made after the centred one stays centred.
        QCOMPARE(xml.count("<w:jc w:val=\"center\"/>"), 4);
    }

    void tabsLineBreaksAndBadCharacters()
    {
        CReportDocument document;
        document.TypeText(QString("Hazard No\t\t: 1") + QChar(0x01) + "\nnext");
        const QString xml = Xml(document);
        QVERIFY(xml.contains(
            "Hazard No</w:t><w:tab/><w:tab/><w:t xml:space=\"preserve\">: 1</w:t><w:br/>"));
        QVERIFY(CDocxReader::WellFormed(xml.toUtf8()));
        QCOMPARE(CDocxWriter::XmlSafe(QString("a") + QChar(0xFFFF) + QChar(0xD800) + "b"),
                 QString("ab"));
    }

    void tableShapeBordersAndShading()
    {
        CReportDocument document;
        document.SetFont("Arial", 10);
        document.SetBold(true);
        CDocTable* table = document.AddTable(document.InsertionPoint(), 3, 3);
        table->SetBorders(CDocTable::BorderStyle::Double, CDocTable::BorderStyle::Double);
        table->SetRowHeights(30);
        table->SetColumnWidth(1, 200);
        table->SetColumnWidth(2, 120);
        table->SetColumnWidth(3, 120);
        table->ShadeRow(1, CDocTable::Shading::Gray25);
        table->SetCellAlignment(1, 1, Align::Center);
        table->AppendCellText(1, 1, "Accident Name");
        table->SetCellVerticalAlignment(1, 1, CDocTable::VerticalAlignment::Center);
        table->SetRowBold(2, false);
        table->AppendCellText(2, 1, "A11 = Collision");
        const QString xml = Xml(document);
        QCOMPARE(xml.count("w:val=\"double\""), 6);
        QCOMPARE(xml.count("<w:trHeight w:val=\"600\" w:hRule=\"atLeast\"/>"), 3);
        QVERIFY(xml.contains(
            "<w:gridCol w:w=\"4000\"/><w:gridCol w:w=\"2400\"/><w:gridCol w:w=\"2400\"/>"));
        QCOMPARE(xml.count("w:fill=\"C0C0C0\""), 3);
        QCOMPARE(xml.count("<w:vAlign w:val=\"center\"/>"), 1);
        const auto tables = CDocxReader::Tables(xml.toUtf8());
        QCOMPARE(tables.size(), 1);
        QCOMPARE(tables[0][0][0], QString("Accident Name"));
        QCOMPARE(tables[0][1][0], QString("A11 = Collision"));
        // Header text takes the insertion point's bold font; row 2 was made plain first.
        QVERIFY(xml.contains("<w:b/><w:bCs/><w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr><w:t "
                             "xml:space=\"preserve\">Accident Name"));
        QVERIFY(xml.contains("<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr><w:t "
                             "xml:space=\"preserve\">A11 = Collision"));
        QVERIFY(!xml.contains("<w:b/><w:bCs/><w:sz w:val=\"20\"/><w:szCs "
                              "w:val=\"20\"/></w:rPr><w:t xml:space=\"preserve\">A11"));
    }

    void cellFontSetBeforeTextApplies()
    {
        CReportDocument document;
        CDocTable* table = document.AddTable(document.InsertionPoint(), 1, 2);
        table->SetCellFont(1, 2, "Arial", 14);
        table->AppendCellText(1, 2, "HAZARD LOG");
        QVERIFY(Xml(document).contains("<w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/></w:rPr><w:t "
                                       "xml:space=\"preserve\">HAZARD LOG"));
    }

    void mergeJoinsTexts_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("merged");
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "";
        QTest::newRow("top only") << "INITIAL"
                                  << ""
                                  << "INITIAL";
        QTest::newRow("bottom only") << ""
                                     << "below"
                                     << "below";
        QTest::newRow("both") << "a"
                              << "b"
                              << "a\rb";
    }
    void mergeJoinsTexts()
    {
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(QString, merged);
        CReportDocument document;
        CDocTable* table = document.AddTable(document.InsertionPoint(), 5, 3);
        table->AppendCellText(4, 3, top);
        table->AppendCellText(5, 3, bottom);
        QVERIFY(table->MergeCells(4, 3, 5, 3));
        QCOMPARE(table->CellText(4, 3), merged);
        const QString xml = Xml(document);
        QCOMPARE(xml.count("<w:vMerge w:val=\"restart\"/>"), 1);
        QCOMPARE(xml.count("<w:vMerge/>"), 1);
        // Text for a cell inside the merge goes to the merged cell.
        table->AppendCellText(5, 3, "x");
        QVERIFY(table->CellText(4, 3).endsWith("x"));
        QVERIFY(!table->MergeCells(1, 1, 1, 2));
    }

    void mergeOverThreeRows()
    {
        CReportDocument document;
        CDocTable* table = document.AddTable(document.InsertionPoint(), 7, 3);
        QVERIFY(table->MergeCells(1, 2, 3, 2));
        QCOMPARE(table->CellAt(1, 2).MergedRows, 3);
        QCOMPARE(table->CellAt(3, 2).MergedInto, 1);
        QCOMPARE(Xml(document).count("<w:vMerge/>"), 2);
    }

    void tablePosition()
    {
        // At the start of a paragraph the table goes before it; at its end after it.
        CReportDocument document;
        document.TypeText("Collective Risks ");
        document.TypeParagraphs(1);
        const CReportDocument::Position start = document.InsertionPoint();
        document.TypeText("No Accident Available");
        document.TypeParagraphs(1);
        document.AddTable(start, 1, 1)->AppendCellText(1, 1, "cell");
        document.GoToEnd();
        document.TypeText("after");
        QCOMPARE(CDocxReader::Paragraphs(CDocxWriter::DocumentXml(document)),
                 QStringList({"Collective Risks ", "[table]", "cell", "[/table]",
                              "No Accident Available", "after"}));

        CReportDocument second;
        second.TypeText("Text");
        second.AddTable(second.InsertionPoint(), 1, 1)->AppendCellText(1, 1, "cell");
        second.GoToEnd();
        second.TypeText("end");
        QCOMPARE(CDocxReader::Paragraphs(CDocxWriter::DocumentXml(second)),
                 QStringList({"Text", "[table]", "cell", "[/table]", "end"}));
    }

    void breaks_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("mark");
        QTest::newRow("1 page") << 1 << "<w:br w:type=\"page\"/>";
        QTest::newRow("7 page") << 7 << "<w:br w:type=\"page\"/>";
        QTest::newRow("6 line") << 6 << "<w:r><w:br/></w:r>";
    }
    void breaks()
    {
        QFETCH(int, code);
        QFETCH(QString, mark);
        CReportDocument document;
        document.TypeText("a");
        document.InsertBreak(code);
        document.TypeText("b");
        QVERIFY(Xml(document).contains(mark));
    }

    void pictureEmbeddedAsPng()
    {
        QTemporaryDir dir;
        QImage image(1200, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(10, 10, 50, 50, Qt::red);
        const QString bmp = dir.filePath("7.bmp");
        QVERIFY(image.save(bmp, "BMP"));

        CReportDocument document;
        QVERIFY(document.InsertPicture(bmp));
        QString error;
        QVERIFY(!document.InsertPicture(dir.filePath("missing.bmp"), &error));
        QVERIFY(error.contains("missing.bmp"));

        CDocxReader reader(document.ToDocx());
        QVERIFY(reader.Entries().contains("word/media/image1.png"));
        QImage png;
        QVERIFY(png.loadFromData(reader.Part("word/media/image1.png"), "PNG"));
        QCOMPARE(png.size(), image.size());
        QCOMPARE(png.pixelColor(20, 20), QColor(Qt::red));
        QVERIFY(reader.Text("word/_rels/document.xml.rels").contains("media/image1.png"));
        QVERIFY(reader.Text("[Content_Types].xml").contains("image/png"));
        const QString xml = reader.Text("word/document.xml");
        QVERIFY(xml.contains("r:embed=\"rId10\""));
        // 1200 px is wider than the text: scaled to 468 pt, the height kept in proportion.
        QVERIFY(xml.contains("<wp:extent cx=\"5943600\" cy=\"1485900\"/>"));
    }

    void footerFieldsAndPrintLayout()
    {
        CReportDocument document;
        document.SetFieldDate(QDate(2026, 12, 11));
        document.AppendFooterField(CReportDocument::FooterField::Date);
        document.AppendFooterText("\t\t");
        document.AppendFooterText("PAGE # ");
        document.AppendFooterField(CReportDocument::FooterField::Page);
        document.SetPrintLayout(true);
        CDocxReader reader(document.ToDocx());
        const QString footer = reader.Text("word/footer1.xml");
        QCOMPARE(CDocxReader::Paragraphs(footer.toUtf8()), QStringList({"12/11/2026\t\tPAGE # 1"}));
        const qsizetype date = footer.indexOf("w:instr=\" DATE \"");
        const qsizetype page = footer.indexOf("w:instr=\" PAGE \"");
        QVERIFY(date > 0 && page > date);
        QVERIFY(footer.indexOf("PAGE # ") > date && footer.indexOf("PAGE # ") < page);
        QVERIFY(reader.Text("word/settings.xml").contains("<w:view w:val=\"print\"/>"));
    }

    void saveReplacesOrFails()
    {
        QTemporaryDir dir;
        CReportDocument document;
        document.TypeText("x");
        const QString path = dir.filePath("r.docx");
        QVERIFY(document.Save(path));
        QVERIFY(CDocxReader(path).IsValid());
        QString error;
        QVERIFY(!document.Save(dir.filePath("no/such/folder/r.docx"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReportDocument)
#include "tst_ReportDocument.moc"
