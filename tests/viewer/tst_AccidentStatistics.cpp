#include "viewer/AccidentStatistics.h"

#include <QtTest>

#include <limits>

namespace
{
CAccidentInfo Accident(const QString& reportNo, const QString& type)
{
    CAccidentInfo a;
    a.ReportNo = reportNo;
    a.Type = type;
    return a;
}
} // namespace

class TestAccidentStatistics : public QObject
{
    Q_OBJECT
private slots:
    void typeNames()
    {
        const QStringList expected = {"Low Speed Collision",     "Medium Speed Collision",
                                      "High Speed Collision",    "Low Speed Derailment",
                                      "Medium Speed Derailment", "High Speed Derailment"};
        for (int type = 0; type < AccidentTypeCount; ++type)
            QCOMPARE(AccidentTypeName(type), expected[type]);
        QVERIFY(AccidentTypeName(-1).isEmpty());
        QVERIFY(AccidentTypeName(6).isEmpty());
    }

    void accidentsOfType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("reportNos");
        // Low: C1 "C", D1 " d ", X1 "X", E1 "", c2 "c"; medium: C3 "C", D3 "D"; high: D4 "D".
        QTest::newRow("LSC") << 0 << QStringList{"C1", "c2"};
        QTest::newRow("MSC") << 1 << QStringList{"C3"};
        QTest::newRow("HSC") << 2 << QStringList{};
        QTest::newRow("LSD takes lower-case d between blanks") << 3 << QStringList{"D1"};
        QTest::newRow("MSD") << 4 << QStringList{"D3"};
        QTest::newRow("HSD") << 5 << QStringList{"D4"};
        QTest::newRow("out of range") << 6 << QStringList{};
        QTest::newRow("negative") << -1 << QStringList{};
    }
    void accidentsOfType()
    {
        QFETCH(int, type);
        QFETCH(QStringList, reportNos);
        CCauseCodeInfo record;
        record.LowSpeedAccidents = {Accident("C1", "C"), Accident("D1", " d "), Accident("X1", "X"),
                                    Accident("E1", ""), Accident("c2", "c")};
        record.MediumSpeedAccidents = {Accident("C3", "C"), Accident("D3", "D")};
        record.HighSpeedAccidents = {Accident("D4", "D")};
        // The band comes from the sheet alone, whatever the speed says.
        record.HighSpeedAccidents[0].Speed = "5";
        QStringList got;
        for (const CAccidentInfo& a : AccidentsOfType(record, type))
            got.append(a.ReportNo);
        QCOMPARE(got, reportNos);
    }

    void accidentDate_data()
    {
        QTest::addColumn<double>("day");
        QTest::addColumn<QString>("text");
        QTest::newRow("spreadsheet leap day") << 60.0 << "02/29/1900";
        QTest::newRow("day before") << 59.0 << "02/28/1900";
        QTest::newRow("day after") << 61.0 << "03/01/1900";
        QTest::newRow("day 1") << 1.0 << "01/01/1900";
        QTest::newRow("2008") << 39448.0 << "01/01/2008";
        QTest::newRow("time part dropped") << 39448.75 << "01/01/2008";
        QTest::newRow("leap year") << 39507.0 << "02/29/2008";
        QTest::newRow("end of 2012") << 41274.0 << "12/31/2012";
    }
    void accidentDate()
    {
        QFETCH(double, day);
        QFETCH(QString, text);
        QCOMPARE(FormatAccidentDate(day), text);
    }

    void figureTexts()
    {
        QCOMPARE(FormatCjk(1.5e-4), QString("1.500000e-04"));
        QCOMPARE(FormatCjk(0.0), QString("0.000000e+00"));
        QCOMPARE(FormatMoney(1234.5678), QString("1234.57"));
        QCOMPARE(FormatMoney(2000.5), QString("2000.50"));
        QCOMPARE(FormatMoney(0.0), QString("0.00"));
    }

    void descriptionLineEnds()
    {
        QCOMPARE(DescriptionDisplayText("one\ntwo\nthree"), QString("one\r\ntwo\r\nthree"));
        QCOMPARE(DescriptionDisplayText("already\r\nwindows"), QString("already\r\nwindows"));
        QCOMPARE(DescriptionDisplayText("plain"), QString("plain"));
    }

    void rowTexts_data()
    {
        QTest::addColumn<double>("eqpt");
        QTest::addColumn<QString>("eqptText");
        QTest::newRow("fraction truncated") << 1234.99 << "1234";
        QTest::newRow("negative truncated toward zero") << -7.9 << "-7";
        QTest::newRow("beyond 32 bits is not wrapped") << 3.5e9 << "3500000000";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void rowTexts()
    {
        QFETCH(double, eqpt);
        QFETCH(QString, eqptText);
        CAccidentInfo a;
        a.ReportNo = "R-1";
        a.Date = 39448;
        a.Type = "  D ";
        a.EqptDamage = eqpt;
        a.TrackDamage = 10.5;
        a.OtherLosses = 99.999;
        a.Fatalities = 2;
        a.Injuries = 3;
        a.Speed = " 30 mph ";
        a.Railroad = "BNSF";
        QCOMPARE(AccidentRowTexts(a), (QStringList{"R-1", "01/01/2008", "D", eqptText, "10", "99",
                                                   "2", "3", " 30 mph ", "BNSF"}));
    }

    void truncation()
    {
        QCOMPARE(TruncateToInt(45.9), 45);
        QCOMPARE(TruncateToInt(-45.9), -45);
        QCOMPARE(TruncateToInt(1e12), std::numeric_limits<int>::max());
        QCOMPARE(TruncateToInt(-1e12), std::numeric_limits<int>::min());
        QCOMPARE(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    }
};

QTEST_GUILESS_MAIN(TestAccidentStatistics)
#include "tst_AccidentStatistics.moc"
