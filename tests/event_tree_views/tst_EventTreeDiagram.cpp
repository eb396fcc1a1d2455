#include "common/DataPaths.h"
#include "event_tree_views/EventTreeDiagram.h"

#include "RecordingPrompter.h"
#include "TestDatabases.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

using Shape = CEventTreeDiagram::Shape;

namespace
{
QList<Shape> ShapesOf(const CEventTreeDiagram& diagram, Shape::Kind kind, int eventId = -1)
{
    QList<Shape> found;
    for (const Shape& shape : diagram.Layout())
    {
        if (shape.ShapeKind == kind && (eventId < 0 || shape.EventId == eventId))
            found << shape;
    }
    return found;
}

QStringList TextsOf(const CEventTreeDiagram& diagram)
{
    QStringList texts;
    for (const Shape& shape : diagram.Layout())
    {
        if (!shape.Text.isEmpty())
            texts << shape.Text;
    }
    return texts;
}
} // namespace

class TestEventTreeDiagram : public QObject
{
    Q_OBJECT

    // Hazard "Overspeed" with one event (Yes probability 0.3) and an accident on each branch.
    struct TwoAccidents
    {
        int hazard = 0, event = 0, yes = 0, no = 0;
    };
    static TwoAccidents MakeTwoAccidents(CTestDatabases& db)
    {
        TwoAccidents t;
        const int sys = db.AddSystem("Brake");
        t.hazard = db.AddHazard(sys, "Overspeed");
        t.event =
            db.AddEvent(t.hazard, "Signal passed", 0, ParentAction::Root, EventType::Event, 0.3);
        t.yes = db.AddEvent(t.hazard, "Collision", t.event, ParentAction::Yes, EventType::Accident);
        t.no = db.AddEvent(t.hazard, "Derailment", t.event, ParentAction::No, EventType::Accident);
        db.State().m_CurrentHazardId = t.hazard;
        db.State().m_CurrentHazardName = "Overspeed";
        return t;
    }

private slots:
    void twoAccidentGeometry()
    {
        CTestDatabases db;
        const TwoAccidents t = MakeTwoAccidents(db);
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        QCOMPARE(diagram.Depth(), 2);
        QCOMPARE(diagram.Sum(), 1.0);
        // The event's box is centred on y = 110, at x = 100 after the hazard's line.
        const QList<Shape> eventBox = ShapesOf(diagram, Shape::Kind::EventBox, t.event);
        QCOMPARE(eventBox.size(), 1);
        QCOMPARE(eventBox[0].Rect, QRect(100, 103, 14, 14));
        const QList<Shape> yes = ShapesOf(diagram, Shape::Kind::AccidentEllipse, t.yes);
        const QList<Shape> no = ShapesOf(diagram, Shape::Kind::AccidentEllipse, t.no);
        QCOMPARE(yes.size(), 1);
        QCOMPARE(no.size(), 1);
        QCOMPARE(yes[0].Rect, QRect(380, 66 - 20, 70, 40));
        QCOMPARE(no[0].Rect, QRect(380, 154 - 20, 70, 40));
        const QStringList texts = TextsOf(diagram);
        for (const char* text : {"Overspeed", "Signal passed", "YES", "NO", "(0.3)", "(0.7)",
                                 "Collision (0.3)", "Derailment (0.7)", "Accident"})
            QVERIFY2(texts.contains(QLatin1String(text)), text);
        // The hazard's label box is the first; the accidents' labels are the rightmost.
        QCOMPARE(diagram.Extent(), QPoint(380 + 75 + 80, 154 - 15 + 110));
    }

    void hiddenTreeItems()
    {
        CTestDatabases db;
        const int sys = db.AddSystem("Brake");
        const int haz = db.AddHazard(sys, "Overspeed");
        db.State().m_CurrentHazardId = haz;
        db.State().m_CurrentHazardName = "Overspeed";
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        // An empty hazard has its safe end too, whether or not a run has been made.
        QCOMPARE(diagram.ItemLabels(), QStringList({"Overspeed", "SafeState (prob=1)"}));

        const int e1 =
            db.AddEvent(haz, "Detector fails", 0, ParentAction::Root, EventType::Event, 0.25);
        const int e2 =
            db.AddEvent(haz, "Driver misses", e1, ParentAction::Yes, EventType::Event, 0.5);
        db.AddEvent(haz, "Collision", e2, ParentAction::No, EventType::Accident);
        diagram.BuildDiagram();
        QCOMPARE(diagram.ItemLabels(), QStringList({"Overspeed", "Detector fails", "Driver misses",
                                                    "SafeState (prob=0.875)", "Collision (0.125)",
                                                    "SafeState (prob=0.875)"}));
        QCOMPARE(diagram.Sum(), 0.125);
        QCOMPARE(diagram.Depth(), 3);
    }

    void depth_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("depth");
        QTest::newRow("one event, no children") << "e" << 2;
        QTest::newRow("accident under the hazard") << "a" << 2;
        QTest::newRow("event below an event, both bare") << "e>e" << 2;
        QTest::newRow("accident two events down") << "e>e>a" << 3;
        QTest::newRow("three events and an accident") << "e>e>e>a" << 4;
    }
    void depth()
    {
        QFETCH(QString, shape);
        QFETCH(int, depth);
        CTestDatabases db;
        const int sys = db.AddSystem("Brake");
        const int haz = db.AddHazard(sys, "H");
        int parent = 0;
        int branch = ParentAction::Root;
        for (const QString& step : shape.split('>'))
        {
            const int type = step == "a" ? EventType::Accident : EventType::Event;
            parent = db.AddEvent(haz, "n" + QString::number(parent), parent, branch, type);
            branch = ParentAction::Yes;
        }
        db.State().m_CurrentHazardId = haz;
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        QCOMPARE(diagram.Depth(), depth);
    }

    void emptyForDatabaseProbabilitiesOrNoHazard()
    {
        CTestDatabases db;
        const int sys = db.AddSystem("Brake");
        const int haz = db.AddHazard(sys, "Standard");
        CHazardList list;
        QVERIFY(db.Model().GetHazard(list, haz));
        CHazard standard = list.first();
        standard.IsProbFromDatabase = true;
        QVERIFY(db.Model().UpdateHazard(standard, haz));
        db.AddEvent(haz, "LSC", 0, ParentAction::Root, EventType::Accident);
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram(); // no current hazard
        QVERIFY(diagram.IsEmpty());
        db.State().m_CurrentHazardId = haz;
        diagram.BuildDiagram();
        QVERIFY(diagram.IsEmpty());
        QCOMPARE(diagram.Sum(), 0.0);
        QVERIFY(diagram.Layout().isEmpty());
        QString error;
        QVERIFY(!diagram.SavePicture(&error));
        QVERIFY(!QFile::exists(CDataPaths::EventTreePicturePath(haz)));
    }

    void softDeletedEventDropsItsSubtree()
    {
        CTestDatabases db;
        const TwoAccidents t = MakeTwoAccidents(db);
        QVERIFY(db.Model().MarkEventDeleted(t.event));
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        QCOMPARE(diagram.ItemLabels(), QStringList({"Overspeed", "SafeState (prob=1)"}));
        QCOMPARE(diagram.Sum(), 0.0);
        QVERIFY(ShapesOf(diagram, Shape::Kind::AccidentEllipse).isEmpty());
    }

    void safeEndsOnlyAfterARun()
    {
        CTestDatabases db;
        const TwoAccidents t = MakeTwoAccidents(db);
        QVERIFY(db.Model().MarkEventDeleted(t.yes));
        bool resultsValid = false;
        CEventTreeDiagram diagram(db.State());
        diagram.SetResultsValidFlag(&resultsValid);
        diagram.BuildDiagram();
        QVERIFY(ShapesOf(diagram, Shape::Kind::SafeCircle).isEmpty());
        resultsValid = true;
        const QList<Shape> circles = ShapesOf(diagram, Shape::Kind::SafeCircle);
        QCOMPARE(circles.size(), 1);
        // The empty Yes branch ends 40 above the event; the circle sits after a line of
        // (D - d) x 125 + 35.
        QCOMPARE(circles[0].Rect, QRect(100 + 125 + 160, 110 - 40 - 20, 40, 40));
        QVERIFY(TextsOf(diagram).contains("SafeState (prob=0.3)"));
        QVERIFY(TextsOf(diagram).contains("Safe"));
        // The empty branch is 40 long, the other one t = 44.
        QVERIFY(TextsOf(diagram).contains("YES"));
    }

    void branchProbabilityTexts_data()
    {
        QTest::addColumn<double>("yes");
        QTest::addColumn<QString>("yesText");
        QTest::addColumn<QString>("noText");
        QTest::newRow("one") << 1.0 << "(1)"
                             << "(0)";
        QTest::newRow("zero") << 0.0 << "(0)"
                              << "(1)";
        QTest::newRow("quarter") << 0.25 << "(0.25)"
                                 << "(0.75)";
        QTest::newRow("tiny") << 1e-7 << "(0)"
                              << "(1)";
    }
    void branchProbabilityTexts()
    {
        QFETCH(double, yes);
        QFETCH(QString, yesText);
        QFETCH(QString, noText);
        CTestDatabases db;
        const int sys = db.AddSystem("Brake");
        const int haz = db.AddHazard(sys, "H");
        db.AddEvent(haz, "E", 0, ParentAction::Root, EventType::Event, yes);
        db.State().m_CurrentHazardId = haz;
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        QList<Shape> texts = ShapesOf(diagram, Shape::Kind::Text);
        // The Yes probability is drawn above its branch, the No probability below.
        std::sort(texts.begin(), texts.end(),
                  [](const Shape& a, const Shape& b) { return a.Rect.y() < b.Rect.y(); });
        QCOMPARE(texts.first().Text, yesText);
        QCOMPARE(texts.last().Text, noText);
    }

    void pictureFileHoldsTheWholeDiagram()
    {
        CTestDatabases db;
        const TwoAccidents t = MakeTwoAccidents(db);
        // A deeper tree than a window shows: four levels below the hazard.
        int parent = t.event;
        QVERIFY(db.Model().MarkEventDeleted(t.no));
        for (int level = 0; level < 4; ++level)
            parent = db.AddEvent(t.hazard, QString("Level %1 event with a long name").arg(level),
                                 parent, ParentAction::No, EventType::Event, 0.1);
        db.AddEvent(t.hazard, "Deep accident", parent, ParentAction::No, EventType::Accident);
        QDir(CDataPaths::EventTreeDir()).removeRecursively();

        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        QString error;
        QVERIFY2(diagram.SavePicture(&error), qPrintable(error));
        const QString path = CDataPaths::EventTreePicturePath(t.hazard);
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(db.Root()).filePath("EventTree"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 14), 40u); // information header
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(bytes.size()));

        QImage picture(path);
        QCOMPARE(picture.size(), diagram.Size());
        QVERIFY(picture.width() > 1000 && picture.height() > 600);
        QVERIFY(picture.width() >= diagram.Extent().x());
        // The deepest accident's ellipse is in the picture, its outline black.
        const QList<Shape> ellipses = ShapesOf(diagram, Shape::Kind::AccidentEllipse);
        QCOMPARE(ellipses.size(), 2);
        for (const Shape& ellipse : ellipses)
        {
            QVERIFY(QRect(QPoint(), picture.size()).contains(ellipse.Rect));
            const QPoint left(ellipse.Rect.left() + 1, ellipse.Rect.center().y());
            QCOMPARE(picture.pixelColor(left), QColor(Qt::black));
        }
        // The hazard's name and the accident text are there in their colours.
        bool red = false;
        const QRect accident = ellipses.first().Rect;
        for (int x = accident.left(); x < accident.right() && !red; ++x)
            for (int y = accident.top(); y < accident.bottom() && !red; ++y)
                red =
                    picture.pixelColor(x, y).red() > 200 && picture.pixelColor(x, y).green() < 100;
        QVERIFY(red);

        // Rewriting replaces the file.
        QVERIFY(diagram.SavePicture());
        QVERIFY(QFile::exists(path));
    }

    void unwritablePictureIsReported()
    {
        CTestDatabases db;
        MakeTwoAccidents(db);
        QDir(CDataPaths::EventTreeDir()).removeRecursively();
        QFile blocker(CDataPaths::EventTreeDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        CRecordingPrompter prompter;
        CEventTreeDiagram diagram(db.State());
        diagram.BuildDiagram();
        QString error;
        QVERIFY(!diagram.SavePicture(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(prompter.entries.isEmpty()); // nothing is shown
    }
};

QTEST_MAIN(TestEventTreeDiagram)
#include "tst_EventTreeDiagram.moc"
