#include "ShellFixture.h"

#include "common/CommandIds.h"
#include "shell/SystemListDlg.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class TestSystemListDlg : public QObject
{
    Q_OBJECT
private:
    struct Systems
    {
        int brake1, brake2, signal;
    };
    static Systems AddSystems(CShellFixture& f)
    {
        Systems s{};
        s.brake1 = f.db.AddSystem("Brake", 1);
        s.brake2 = f.db.AddSystem("Brake", 2);
        f.db.AddSystem("Onboard", 1, 1, s.brake2); // subsystems are not listed
        s.signal = f.db.AddSystem("Signal", 1);
        // The first version is listed even when it is in the Recover window.
        f.db.Model().MarkSystemDeleted(s.brake1);
        CSystemList rows;
        f.db.Model().GetSystem(rows, s.signal);
        CSystem signal = rows.first();
        signal.Sys_TIR = 1.23456e-5;
        signal.Sys_Analyst = "Ann";
        f.db.Model().UpdateSystem(signal, s.signal);
        return s;
    }

private slots:
    void oneRowPerSystemName()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const Systems s = AddSystems(f);
        CSystemListDlg dlg(f.app);
        QCOMPARE(dlg.windowTitle(), QString("Toravin Model Vozezur - SystemList"));
        QCOMPARE(f.prompter.StatusTexts(),
                 QStringList{"Displaying Exisiting System Details........."});
        QTableWidget* list = dlg.List();
        QCOMPARE(list->columnCount(), 13);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(0, CSystemListDlg::IdColumn)->text(), QString::number(s.brake1));
        QCOMPARE(list->item(0, CSystemListDlg::NameColumn)->text(), QString("Brake"));
        QCOMPARE(list->item(1, CSystemListDlg::NameColumn)->text(), QString("Signal"));
        QCOMPARE(list->item(1, 3)->text(), QString("Ann"));
        QCOMPARE(list->item(1, 5)->text(), QString("1.235e-05 Dollars/Train Mile"));
        QCOMPARE(list->item(1, 6)->text(), QString("Dollars/Train Mile"));
        QStringList visible;
        for (int i = 0; i < list->columnCount(); ++i)
            if (!list->isColumnHidden(i))
                visible << list->horizontalHeaderItem(i)->text();
        QCOMPARE(visible, (QStringList{"Name", "Analyst", "Approved By", "ASPL (Base Case Risk)",
                                       "Function Description", "Notes", "RefDoc"}));
        QCOMPARE(list->columnWidth(5), 150);
        QVERIFY(list->horizontalHeader()->sectionsMovable());
        QCOMPARE(dlg.findChild<QPushButton*>("openButton")->toolTip(),
                 QString("Opens Existing System Details "));
    }

    void openTakesTheSelectedRow()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const Systems s = AddSystems(f);
        CSystemListDlg dlg(f.app);
        f.prompter.Clear();
        dlg.List()->selectRow(1);
        dlg.OnOpen();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.SelectedId(), s.signal);
        QCOMPARE(dlg.SelectedName(), QString("Signal"));
        QCOMPARE(f.prompter.StatusTexts(),
                 QStringList{"Displaying Existing System Details........."});
    }

    void openWithoutOneSelectedRowWarns_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("none") << QList<int>{};
        QTest::newRow("two") << QList<int>{0, 1};
    }
    void openWithoutOneSelectedRowWarns()
    {
        QFETCH(QList<int>, rows);
        CShellFixture f;
        QVERIFY(f.ready);
        AddSystems(f);
        CSystemListDlg dlg(f.app);
        for (int row : rows)
            dlg.List()->selectionModel()->select(dlg.List()->model()->index(row, 2),
                                                 QItemSelectionModel::Select |
                                                     QItemSelectionModel::Rows);
        f.prompter.Clear();
        dlg.OnOpen();
        QCOMPARE(f.prompter.Messages(), QStringList{"Please select a record from the list"});
        QCOMPARE(f.prompter.entries.first().icon, CPrompter::Icon::Warning);
        QCOMPARE(f.prompter.entries.first().caption, QString("Toravin Model Vozezur"));
        QCOMPARE(f.prompter.StatusTexts(),
                 QStringList{"Please select a record from the list......"});
        QCOMPARE(dlg.SelectedId(), 0);
    }

    void cancelAndHelp()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        CSystemListDlg dlg(f.app);
        f.prompter.Clear();
        dlg.OnHelp();
        QCOMPARE(f.helpPages, QStringList{"OPEN SYSTEM.html"});
        dlg.OnCancel();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(f.prompter.StatusTexts(),
                 (QStringList{"Display the System List Dialog help information.........",
                              "Close the System List Window............"}));
    }

    // The Open System command shows the list and opens the chosen system in the tree.
    void openSystemCommandOpensTheChoice()
    {
        CShellFixture f;
        QVERIFY(f.ready);
        const Systems s = AddSystems(f);
        // Answer the modal list once it is up: pick the first row and double-click it.
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this,
                [&poll]
                {
                    auto* dlg = qobject_cast<CSystemListDlg*>(QApplication::activeModalWidget());
                    if (!dlg)
                        return;
                    poll.stop();
                    dlg->List()->selectRow(0);
                    emit dlg->List()->cellDoubleClicked(0, 2);
                });
        poll.start();
        QVERIFY(f.frame.ExecuteCommand(CommandId::OpenSystem));
        QCOMPARE(f.app.m_OpenSystemId, s.brake1);
        QCOMPARE(f.Tree().topLevelItemCount(), 1);
        QCOMPARE(f.Tree().topLevelItem(0)->text(0), QString("Brake (Version = 2)"));
    }
};

QTEST_MAIN(TestSystemListDlg)
#include "tst_SystemListDlg.moc"
