#include "event_tree_views/EventTreeDiagram.h"
#include "event_tree_views/ui/EventTreeView.h"
#include "risk_analysis/RunResultsValid.h"
#include "shell/QuillonToolSetApp.h"

#include "ModelBuilder.h"
#include "RecordingPrompter.h"
#include "TestDatabases.h"

#include <QImage>
#include <QScrollBar>
#include <QtTest>

namespace
{
// The diagram view alone on a hazard with a hand-built tree, at a fixed size.
struct CViewFixture
{
    CRecordingPrompter prompter;
    CTestDatabases db;
    CQuillonToolSetApp app;
    std::unique_ptr<CEventTreeView> view;
    int sys = 0, hazard = 0;

    CViewFixture()
    {
        if (!db.IsValid() || !app.InitDatabases())
            return;
        view = std::make_unique<CEventTreeView>(app);
        view->resize(320, 240);
        CModelBuilder b(db.Model());
        sys = b.System("Brake");
        hazard = b.Hazard(sys, "Overspeed", 1e-3, 1);
        app.m_CurrentHazardId = hazard;
        app.m_CurrentHazardName = "Overspeed";
    }

    // A chain of `depth` events, each with an accident on Yes and the next event on No.
    void Chain(int depth)
    {
        CModelBuilder b(db.Model());
        int parent = 0, branch = ParentAction::Root;
        for (int i = 1; i <= depth; ++i)
        {
            const int event = b.Event(sys, hazard, parent, branch, QString("Event %1").arg(i), 0.5);
            b.Accident(sys, hazard, event, ParentAction::Yes, QString("Accident %1").arg(i), 1, 1);
            parent = event;
            branch = ParentAction::No;
        }
    }

    QImage Shown() const { return view->viewport()->grab().toImage(); }
};

int NonWhitePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                ++count;
    return count;
}
} // namespace

class TestEventTreeView : public QObject
{
    Q_OBJECT

private slots:
    void scrollRangeGrowsWithTheTree()
    {
        CViewFixture f;
        QVERIFY(f.view && f.hazard);
        f.Chain(1);
        f.view->BuildDiagram();
        QCOMPARE(f.view->BuiltHazardId(), f.hazard);
        const QSize small = f.view->ContentSize();
        QVERIFY(!small.isEmpty());
        QCOMPARE(small,
                 QSize(f.view->Diagram().Extent().x() + 80, f.view->Diagram().Extent().y() + 170));

        // Scrolled away, then a deeper tree: wider and taller, and back at the top left.
        f.view->horizontalScrollBar()->setValue(f.view->horizontalScrollBar()->maximum());
        f.Chain(4);
        f.view->BuildDiagram();
        const QSize deep = f.view->ContentSize();
        QVERIFY(deep.width() > small.width());
        QVERIFY(deep.height() > small.height());
        QScrollBar* h = f.view->horizontalScrollBar();
        QScrollBar* v = f.view->verticalScrollBar();
        QCOMPARE(h->value(), 0);
        QCOMPARE(v->value(), 0);
        QCOMPARE(h->maximum(), deep.width() - f.view->viewport()->width());
        QCOMPARE(v->maximum(), deep.height() - f.view->viewport()->height());
        QCOMPARE(h->singleStep(), 20);
        QCOMPARE(v->pageStep(), 50);
    }

    void paintsTheDiagramAndClears()
    {
        CViewFixture f;
        QVERIFY(f.view && f.hazard);
        QCOMPARE(NonWhitePixels(f.Shown()), 0);
        f.Chain(1);
        f.view->BuildDiagram();
        const QImage drawn = f.Shown();
        QVERIFY(NonWhitePixels(drawn) > 0);
        // Scrolling moves the picture.
        f.view->resize(120, 90);
        QVERIFY(f.view->horizontalScrollBar()->maximum() > 0);
        const QImage before = f.Shown();
        f.view->horizontalScrollBar()->setValue(40);
        QVERIFY(f.Shown() != before);

        f.view->ClearDiagram();
        QCOMPARE(f.view->BuiltHazardId(), 0);
        QVERIFY(f.view->ContentSize().isEmpty());
        QCOMPARE(f.view->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(NonWhitePixels(f.Shown()), 0);
    }

    void safeEndsAfterARun()
    {
        CViewFixture f;
        QVERIFY(f.view && f.hazard);
        f.Chain(1); // the No branch of the event stays empty: a safe end after a run
        g_RunResultsValid = false;
        f.view->resize(800, 400);
        f.view->BuildDiagram();
        const QImage before = f.Shown();
        g_RunResultsValid = true;
        f.view->RepaintDiagram();
        const QImage after = f.Shown();
        g_RunResultsValid = false;
        QVERIFY(NonWhitePixels(after) > NonWhitePixels(before));
    }

    void standardHazardShowsNothing()
    {
        CViewFixture f;
        QVERIFY(f.view && f.hazard);
        CModelBuilder b(f.db.Model());
        f.app.m_CurrentHazardId = b.Hazard(f.sys, "Brake failure", 0.5, 1, true);
        f.view->BuildDiagram();
        QCOMPARE(f.view->BuiltHazardId(), 0);
        QVERIFY(f.view->ContentSize().isEmpty());
        QCOMPARE(NonWhitePixels(f.Shown()), 0);
    }
};

QTEST_MAIN(TestEventTreeView)
#include "tst_EventTreeView.moc"
