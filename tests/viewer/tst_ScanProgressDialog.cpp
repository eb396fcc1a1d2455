#include "viewer/ui/ScanProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

class TestScanProgressDialog : public QObject
{
    Q_OBJECT
private slots:
    void showsItsTexts()
    {
        CScanProgressDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Corvex: File-scan progress..."));
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            labels.append(label->text());
        QVERIFY(labels.contains("Please wait while the application loads the files"));
        QCOMPARE(dialog.Text(), QString("File Path"));
        auto* bar = dialog.findChild<QProgressBar*>("progress");
        QVERIFY(bar);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        dialog.SetText("Loading file /x/H401.xls");
        dialog.SetPosition(40);
        QCOMPARE(dialog.Text(), QString("Loading file /x/H401.xls"));
        QCOMPARE(dialog.Position(), 40);
    }

    void onlyPosition100ClosesIt()
    {
        CScanProgressDialog dialog;
        QList<bool> stillOpen;
        QTimer::singleShot(0, &dialog,
                           [&]
                           {
                               // OK, Cancel (Escape) and closing the window do nothing.
                               dialog.accept();
                               dialog.reject();
                               QTest::keyClick(&dialog, Qt::Key_Escape);
                               QTest::keyClick(&dialog, Qt::Key_Return);
                               dialog.close();
                               stillOpen.append(dialog.isVisible());
                               QMetaObject::invokeMethod(&dialog, "SetPosition",
                                                         Qt::QueuedConnection, Q_ARG(int, 60));
                               QMetaObject::invokeMethod(&dialog, "SetPosition",
                                                         Qt::QueuedConnection, Q_ARG(int, 100));
                           });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(-1); });
        guard.start(10000);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(stillOpen, QList<bool>{true});
        QCOMPARE(dialog.Position(), 100);
    }
};

QTEST_MAIN(TestScanProgressDialog)
#include "tst_ScanProgressDialog.moc"
