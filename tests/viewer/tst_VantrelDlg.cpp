#include "viewer/ViewerPrompter.h"
#include "viewer/ui/VantrelDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace
{
QString Data(const QString& name)
{
    return QStringLiteral(QUILLON_TEST_DATA_DIR "/viewer/") + name;
}

class CRecordingViewerPrompter : public CViewerPrompter
{
public:
    CRecordingViewerPrompter() { SetCurrent(this); }
    ~CRecordingViewerPrompter() override { SetCurrent(nullptr); }
    void ShowMessage(const QString& text, Icon icon, const QString& caption) override
    {
        messages.append({text, icon, caption});
    }
    struct Entry
    {
        QString text;
        Icon icon;
        QString caption;
    };
    QList<Entry> messages;
};

struct CDialogParts
{
    explicit CDialogParts(CVantrelDlg& dlg)
        : causeCode(dlg.findChild<QComboBox*>("causeCode")),
          accidentType(dlg.findChild<QComboBox*>("accidentType")),
          cjk(dlg.findChild<QLineEdit*>("cjk")), sjk(dlg.findChild<QLineEdit*>("sjk")),
          description(dlg.findChild<QPlainTextEdit*>("description")),
          accidents(dlg.findChild<QTableWidget*>("accidentList")),
          railroad(dlg.findChild<QComboBox*>("railroad")), rb(dlg.findChild<QLineEdit*>("rb"))
    {
    }
    bool Found() const
    {
        return causeCode && accidentType && cjk && sjk && description && accidents && railroad &&
               rb;
    }
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < accidents->rowCount(); ++row)
            texts.append(accidents->item(row, column)->text());
        return texts;
    }
    QComboBox* causeCode;
    QComboBox* accidentType;
    QLineEdit* cjk;
    QLineEdit* sjk;
    QPlainTextEdit* description;
    QTableWidget* accidents;
    QComboBox* railroad;
    QLineEdit* rb;
};
} // namespace

class TestVantrelDlg : public QObject
{
    Q_OBJECT
private slots:
    void scanShowsProgressThenFillsLists()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        QSignalSpy positions(&dlg, &CVantrelDlg::ScanPositionShown);
        QSignalSpy texts(&dlg, &CVantrelDlg::ScanTextShown);
        dlg.InitDialog();
        QList<int> shown;
        for (const QList<QVariant>& args : positions)
            shown.append(args.at(0).toInt());
        QCOMPARE(shown, (QList<int>{0, 0, 20, 40, 60, 80, 100}));
        QCOMPARE(texts.size(), 6);
        QCOMPARE(texts.at(1).at(0).toString(), "Loading file " + dlg.Scanner().CauseCodeFiles()[0]);

        CDialogParts parts(dlg);
        QVERIFY(parts.Found());
        QCOMPARE(parts.causeCode->count(), 2);
        QCOMPARE(parts.causeCode->itemText(0), QString("H401"));
        QCOMPARE(parts.causeCode->itemText(1), QString("T110"));
        QCOMPARE(parts.causeCode->currentIndex(), -1);
        QCOMPARE(parts.accidentType->currentIndex(), 0);
        QCOMPARE(parts.accidentType->count(), 6);
        QCOMPARE(parts.accidentType->itemText(4), QString("Medium Speed Derailment"));
        QCOMPARE(parts.railroad->count(), 2);
        QCOMPARE(parts.railroad->currentIndex(), -1);
        QVERIFY(prompter.messages.isEmpty());
    }

    void choosingTypeBeforeCauseCodeChangesNothing()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        dlg.InitDialog();
        CDialogParts parts(dlg);
        parts.accidentType->setCurrentIndex(3);
        QVERIFY(parts.cjk->text().isEmpty());
        QVERIFY(parts.sjk->text().isEmpty());
        QVERIFY(parts.description->toPlainText().isEmpty());
        QCOMPARE(parts.accidents->rowCount(), 0);
        QVERIFY(parts.rb->text().isEmpty());
    }

    void causeCodeAndTypeShowFiguresAndRows()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        dlg.InitDialog();
        CDialogParts parts(dlg);

        parts.causeCode->setCurrentIndex(0);
        QCOMPARE(parts.cjk->text(), QString("1.500000e-04"));
        QCOMPARE(parts.sjk->text(), QString("1000.00"));
        // Three lines in A1 show on three lines.
        QCOMPARE(parts.description->document()->blockCount(), 3);
        QCOMPARE(parts.description->document()->findBlockByNumber(1).text(), QString("Wide gauge"));
        QCOMPARE(parts.Column(0), (QStringList{"R-100", "R-104"}));
        QCOMPARE(parts.Column(3), (QStringList{"1234", "99"}));
        const QStringList first = {"R-100", "01/01/2008", "C", "1234", "500",
                                   "0",     "2",          "3", "45",   "BNSF"};
        for (int c = 0; c < 10; ++c)
            QCOMPARE(parts.accidents->item(0, c)->text(), first[c]);

        // Low speed collision to low speed derailment: sheet 1's D rows, row 8's figures.
        parts.accidentType->setCurrentIndex(3);
        QCOMPARE(parts.Column(0), (QStringList{"", "R-102"}));
        QCOMPARE(parts.Column(2), (QStringList{"d", "D"}));
        QCOMPARE(parts.Column(8), (QStringList{" 30 mph ", "12"}));
        QCOMPARE(parts.cjk->text(), QString("4.500000e-04"));
        QCOMPARE(parts.sjk->text(), QString("4000.00"));
        QCOMPARE(parts.description->document()->blockCount(), 3);

        // Another cause code keeps the type and rebuilds the list.
        parts.causeCode->setCurrentIndex(1);
        QCOMPARE(parts.description->toPlainText(), QString("Broken rail"));
        QCOMPARE(parts.Column(0), (QStringList{"T-1"}));
        parts.accidentType->setCurrentIndex(2);
        QCOMPARE(parts.cjk->text(), QString("0.000000e+00")); // I3 held text
        QCOMPARE(parts.accidents->rowCount(), 0);
    }

    void railroadShowsRb()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("scan/Cause Code Excel"), Data("scan/RailRoad"));
        dlg.InitDialog();
        CDialogParts parts(dlg);
        parts.railroad->setCurrentIndex(0);
        QCOMPARE(parts.rb->text(), QString("1234.57"));
        parts.railroad->setCurrentIndex(1);
        QVERIFY(parts.rb->text().isEmpty()); // E761 held no number
    }

    void accidentListLooks()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("none"), Data("none"));
        dlg.InitDialog();
        CDialogParts parts(dlg);
        struct
        {
            const char* heading;
            int width;
        } const columns[] = {{"Report No.", 80},
                             {"Date", 70},
                             {"Type", 40},
                             {"Eqpt Damage (US $)", 75},
                             {"Track Damage (US$)", 75},
                             {"Other Losses (US $)", 75},
                             {"Fatalities", 55},
                             {"Injuries", 50},
                             {"Speed (mph)", 65},
                             {"Railroad", 70}};
        QCOMPARE(parts.accidents->columnCount(), 10);
        for (int c = 0; c < 10; ++c)
        {
            QCOMPARE(parts.accidents->horizontalHeaderItem(c)->text(), QString(columns[c].heading));
            // The given width is where a column starts; it only widens to fit its texts.
            QVERIFY(parts.accidents->columnWidth(c) >= columns[c].width);
            const int align = parts.accidents->horizontalHeaderItem(c)->textAlignment();
            QVERIFY(align & (c == 9 ? Qt::AlignLeft : Qt::AlignRight));
        }
        QVERIFY(parts.accidents->showGrid());
        QCOMPARE(parts.accidents->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(parts.accidents->horizontalHeader()->sectionsMovable());
        QCOMPARE(parts.accidents->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(parts.accidents->palette().color(QPalette::Base), QColor(186, 223, 226));

        QCOMPARE(dlg.windowTitle(), QString("Vantrel"));
        QStringList labels;
        for (QLabel* label : dlg.findChildren<QLabel*>())
            labels.append(label->text());
        for (const char* text : {"Cause Code", "Accident Type", "Cjk", "Accident Probability",
                                 "Sjk", "Dollars. Adjusted Cost per occurrence", "Description",
                                 "Consolidated Accident List", "Railroad", "Rb", "Dollars/Mile"})
            QVERIFY2(labels.contains(text), text);
        QStringList groups;
        for (QGroupBox* group : dlg.findChildren<QGroupBox*>())
            groups.append(group->title());
        QCOMPARE(groups, (QStringList{"Cause Code Analysis", "Railroad"}));
        QVERIFY(dlg.findChild<QPushButton*>("ok")->isDefault());
        QCOMPARE(dlg.findChild<QPushButton*>("help")->text(), QString("&Help"));
        QVERIFY(parts.cjk->isReadOnly() && parts.sjk->isReadOnly() && parts.rb->isReadOnly());
        QVERIFY(parts.description->isReadOnly());
        // Nothing found: empty lists, empty boxes, no message.
        QCOMPARE(parts.causeCode->count(), 0);
        QCOMPARE(parts.railroad->count(), 0);
        QVERIFY(prompter.messages.isEmpty());
    }

    void columnsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("causeCode");
        QTest::addColumn<int>("accidentType");
        QTest::newRow("no workbooks") << "none" << -1 << 0;
        QTest::newRow("low speed collisions") << "scan" << 0 << 0;
        QTest::newRow("low speed derailments") << "scan" << 0 << 3;
        QTest::newRow("second cause code") << "scan" << 1 << 3;
    }
    void columnsFitTheirTexts()
    {
        QFETCH(QString, folder);
        QFETCH(int, causeCode);
        QFETCH(int, accidentType);
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data(folder + "/Cause Code Excel"), Data(folder + "/RailRoad"));
        dlg.InitDialog();
        CDialogParts parts(dlg);
        if (causeCode >= 0)
            parts.causeCode->setCurrentIndex(causeCode);
        parts.accidentType->setCurrentIndex(accidentType);
        QCOMPARE(parts.accidents->rowCount() > 0, causeCode >= 0);

        const int given[] = {80, 70, 40, 75, 75, 75, 55, 50, 65, 70};
        QHeaderView* header = parts.accidents->horizontalHeader();
        // Headings turn bold while their column holds the selection.
        QFont bold = header->font();
        bold.setBold(true);
        const QFontMetrics headingMetrics(bold);
        const QFontMetrics cellMetrics(parts.accidents->font());
        for (int c = 0; c < parts.accidents->columnCount(); ++c)
        {
            const int width = parts.accidents->columnWidth(c);
            const QString heading = parts.accidents->horizontalHeaderItem(c)->text();
            QVERIFY2(width >= given[c], qPrintable(heading));
            QVERIFY2(width >= headingMetrics.horizontalAdvance(heading), qPrintable(heading));
            for (int row = 0; row < parts.accidents->rowCount(); ++row)
            {
                const QString text = parts.accidents->item(row, c)->text();
                QVERIFY2(width >= cellMetrics.horizontalAdvance(text), qPrintable(text));
            }
        }
    }

    void aboutFromTheWindowMenu()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("none"), Data("none"));
        const QList<QAction*> actions = dlg.WindowMenu()->actions();
        QVERIFY(actions.size() >= 2);
        QCOMPARE(actions.last()->text(), QString("&About Corvex"));
        QCOMPARE(actions.last()->data().toInt(), int(CVantrelDlg::AboutCommand));
        QVERIFY(actions[actions.size() - 2]->isSeparator());

        QString title;
        QStringList texts;
        QTimer::singleShot(0, this,
                           [&]
                           {
                               QWidget* box = QApplication::activeModalWidget();
                               QVERIFY(box);
                               title = box->windowTitle();
                               for (QLabel* label : box->findChildren<QLabel*>())
                                   texts.append(label->text());
                               static_cast<QDialog*>(box)->accept();
                           });
        actions.last()->trigger();
        QCOMPARE(title, QString("About Vantrel"));
        QVERIFY(texts.contains("Corvex, Version 1.1"));

        // Other window commands open nothing.
        dlg.OnSysCommand(0xF060);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void helpOpensThePage()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("none"), Data("none"));
        QList<QUrl> opened;
        dlg.SetUrlOpener(
            [&](const QUrl& url)
            {
                opened.append(url);
                return true;
            });
        QTest::mouseClick(dlg.findChild<QPushButton*>("help"), Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].isLocalFile());
        QVERIFY(opened[0].toLocalFile().endsWith("/help/Vantrel.html"));
        QVERIFY(QFileInfo::exists(opened[0].toLocalFile()));
        QVERIFY(prompter.messages.isEmpty());

        dlg.SetUrlOpener([](const QUrl&) { return false; });
        dlg.OnHelp();
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].icon, CViewerPrompter::Icon::Warning);
    }

    void damagedWorkbooksAreNamedOnceAfterTheScan()
    {
        CRecordingViewerPrompter prompter;
        CVantrelDlg dlg(Data("broken/Cause Code Excel"), Data("scan/RailRoad"));
        QSignalSpy texts(&dlg, &CVantrelDlg::ScanTextShown);
        dlg.InitDialog();
        QStringList shown;
        for (const QList<QVariant>& args : texts)
            shown.append(args.at(0).toString());
        QVERIFY(shown.filter(QRegularExpression("^Skipped file .*/B200\\.xls: ")).size() == 1);

        QCOMPARE(prompter.messages.size(), 1);
        const auto& message = prompter.messages[0];
        QCOMPARE(message.caption, QString("Vantrel"));
        QCOMPARE(message.icon, CViewerPrompter::Icon::Warning);
        QVERIFY(message.text.startsWith("These workbooks could not be read and were skipped:"));
        for (const char* name : {"B200.xls", "C300.xlsx", "D400.xls"})
            QVERIFY2(message.text.contains(QString("/Cause Code Excel/") + name), name);
        QVERIFY(!message.text.contains("A100"));

        CDialogParts parts(dlg);
        QCOMPARE(parts.causeCode->count(), 1); // the good one is read
        QCOMPARE(parts.railroad->count(), 2);
    }
};

QTEST_MAIN(TestVantrelDlg)
#include "tst_VantrelDlg.moc"
