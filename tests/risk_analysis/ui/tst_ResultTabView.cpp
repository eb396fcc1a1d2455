#include "risk_analysis/ui/ResultListView.h"
#include "risk_analysis/ui/ResultTabView.h"

#include <QHeaderView>
#include <QtTest>

namespace
{
QStringList Headers(const QTableWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.columnCount(); ++i)
        out << list.horizontalHeaderItem(i)->text();
    return out;
}

QList<int> Widths(const QTableWidget& list)
{
    QList<int> out;
    for (int i = 0; i < list.columnCount(); ++i)
        out << list.columnWidth(i);
    return out;
}

QStringList RowTexts(const QTableWidget& list, int row)
{
    QStringList out;
    for (int i = 0; i < list.columnCount(); ++i)
        out << list.item(row, i)->text();
    return out;
}

ResultRow SampleRow()
{
    ResultRow r;
    r.HazardNumber = "1";
    r.HazardLabel = "H1 = Overspeed";
    r.RateText = "HR1 = 1.000e-06 Per Train Mile";
    r.AccidentLabel = "A11 = Collision";
    r.ProbabilityText = "C11 = 5.000e-01";
    r.CostText = "S11 = 1000000.00 Dollars";
    r.RiskText = "CR11 = 1.000e+00 Dollars/Train Mile";
    r.LimitText = "1.000e+00 Dollars/Train Mile";
    r.AccidentRateText = "AR11 = 1.000e-06 Per Train Mile";
    r.TotalRiskText = "1.000e+00 Dollars/Train Mile";
    r.VersionText = "2";
    return r;
}
} // namespace

class TestResultTabView : public QObject
{
    Q_OBJECT
private slots:
    void columns_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("result") << 0 << "Result"
                                << QStringList{"System Name", "Version", "Hazard Number",
                                               "Hazard Name(Hj)", "Total Collective Risk"}
                                << QList<int>{120, 60, 100, 180, 160};
        QTest::newRow("accident rates") << 1 << "Accident Rates"
                                        << QStringList{"Version",
                                                       "Hazard Number",
                                                       "Hazard Name(Hj)",
                                                       "Initial Hazard Rate(HRj)",
                                                       "Accident(Ajk)",
                                                       "Accident Probability(Cjk)",
                                                       "Accident Rate(ARjk)"}
                                        << QList<int>{50, 100, 190, 170, 200, 110, 180};
        QTest::newRow("collective risks") << 2 << "Collective Risks"
                                          << QStringList{"Version",
                                                         "Hazard Number",
                                                         "Hazard Name(Hj)",
                                                         "Initial Hazard Rate(HRj)",
                                                         "Adjusted Cost Per Mile",
                                                         "Collective risk(CRjk)"}
                                          << QList<int>{50, 100, 190, 170, 105, 190};
    }
    void columns()
    {
        QFETCH(int, tab);
        QFETCH(QString, label);
        QFETCH(QStringList, headers);
        QFETCH(QList<int>, widths);
        CResultTabView tabs([] { return QString("Brake"); });
        QCOMPARE(tabs.tabText(tab), label);
        CResultListView* list = tabs.GetList(tab);
        QCOMPARE(tabs.GetView(tab), list);
        QCOMPARE(Headers(*list), headers);
        QCOMPARE(Widths(*list), widths);
        QVERIFY(list->horizontalHeader()->sectionsMovable());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(list->showGrid());
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(186, 224, 226));
        QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
                 list->palette().color(QPalette::Active, QPalette::Highlight));
    }

    void rowsCarryTheRunTexts()
    {
        QString systemName = "Brake";
        CResultTabView tabs([&] { return systemName; });
        const ResultRow r = SampleRow();
        tabs.AddAccidentRateRow(r);
        tabs.AddCollectiveRiskRow(r);
        tabs.AddResultRow(r);
        systemName = "Other";
        tabs.AddResultRow(r);
        QCOMPARE(RowTexts(*tabs.GetList(0), 0), QStringList({"Brake", "2", "1", "H1 = Overspeed",
                                                             "1.000e+00 Dollars/Train Mile"}));
        QCOMPARE(tabs.GetList(0)->item(1, 0)->text(), QString("Other"));
        QCOMPARE(
            RowTexts(*tabs.GetList(1), 0),
            QStringList({"2", "1", "H1 = Overspeed", "HR1 = 1.000e-06 Per Train Mile",
                         "A11 = Collision", "C11 = 5.000e-01", "AR11 = 1.000e-06 Per Train Mile"}));
        QCOMPARE(RowTexts(*tabs.GetList(2), 0),
                 QStringList({"2", "1", "H1 = Overspeed", "HR1 = 1.000e-06 Per Train Mile",
                              "S11 = 1000000.00 Dollars", "CR11 = 1.000e+00 Dollars/Train Mile"}));
        QCOMPARE(tabs.GetList(1)->item(0, 0)->foreground().color(), QColor(0, 0, 255));
        QCOMPARE(tabs.GetList(1)->item(0, 0)->textAlignment() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignLeft));

        tabs.ClearResults();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(tabs.GetList(i)->rowCount(), 0);
        QVERIFY(!tabs.GetList(3));
    }

    void columnsWidenToLongTextsOnly()
    {
        CResultTabView tabs([] { return QString("A system name far longer than its column"); });
        ResultRow r = SampleRow();
        r.VersionText = "1";
        tabs.AddResultRow(r);
        tabs.FitColumnsToRows();
        CResultListView* list = tabs.GetList(0);
        QVERIFY(list->columnWidth(0) > 120);
        QCOMPARE(list->columnWidth(1), 60); // "1" fits: the set-up width stays
    }

    void reorderingColumnsChangesOnlyTheDisplay()
    {
        CResultTabView tabs([] { return QString("Brake"); });
        tabs.AddResultRow(SampleRow());
        CResultListView* list = tabs.GetList(0);
        list->horizontalHeader()->moveSection(0, 4);
        QCOMPARE(list->horizontalHeader()->visualIndex(0), 4);
        QCOMPARE(list->item(0, 0)->text(), QString("Brake"));
        tabs.AddResultRow(SampleRow());
        QCOMPARE(list->item(1, 3)->text(), QString("H1 = Overspeed"));
    }
};

QTEST_MAIN(TestResultTabView)
#include "tst_ResultTabView.moc"
