#include "common/ui/TabView.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace
{
CTabView::ViewFactory Label(const QString& name)
{
    return [name](QWidget* parent)
    {
        auto* view = new QLabel(name, parent);
        view->setObjectName(name);
        return view;
    };
}

QStringList Labels(const CTabView& tabs)
{
    QStringList out;
    for (int i = 0; i < tabs.GetTabCount(); ++i)
        out << tabs.tabText(i);
    return out;
}
} // namespace

class TestTabView : public QObject
{
    Q_OBJECT
private slots:
    void addViewSelectsTheFirstTab()
    {
        CTabView tabs;
        QCOMPARE(tabs.AddView(0, "A", Label("a")), 0);
        QCOMPARE(tabs.AddView(1, "C", Label("c")), 1);
        QCOMPARE(tabs.AddView(1, "B", Label("b")), 1); // shifts C up
        QCOMPARE(Labels(tabs), QStringList({"A", "B", "C"}));
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(tabs.GetView(2)->objectName(), QString("c"));
        QCOMPARE(tabs.AddView(3, "none", [](QWidget*) { return nullptr; }), -1);
        QCOMPARE(tabs.GetTabCount(), 3);
    }

    void detachKeepsTheViewAndInsertPutsItBack()
    {
        CTabView tabs;
        tabs.resize(300, 200);
        tabs.show();
        for (const char* name : {"a", "b", "c"})
            tabs.AddView(tabs.GetTabCount(), name, Label(name));
        QPointer<QWidget> c = tabs.GetView(2);
        tabs.SetActiveView(2);
        QVERIFY(tabs.DetachView(c));
        QVERIFY(c);
        QVERIFY(c->isHidden());
        QCOMPARE(Labels(tabs), QStringList({"a", "b"}));
        QCOMPARE(tabs.currentIndex(), 1); // the tab before the removed one
        QVERIFY(!tabs.DetachView(c));
        QCOMPARE(tabs.InsertView(0, "c", c), 0);
        QCOMPARE(Labels(tabs), QStringList({"c", "a", "b"}));
        QCOMPARE(tabs.GetActiveView()->objectName(), QString("b"));
    }

    void removingTheFirstSelectedTabSelectsTheNext()
    {
        CTabView tabs;
        for (const char* name : {"a", "b", "c"})
            tabs.AddView(tabs.GetTabCount(), name, Label(name));
        tabs.SetActiveView(0);
        QPointer<QWidget> a = tabs.GetView(0);
        QVERIFY(tabs.DeleteView(0));
        QVERIFY(!a); // destroyed
        QCOMPARE(tabs.GetActiveView()->objectName(), QString("b"));
        QVERIFY(!tabs.DeleteView(5));
    }

    void setActiveViewShowsOnlyTheSelectedView()
    {
        CTabView tabs;
        tabs.resize(300, 200);
        tabs.show();
        for (const char* name : {"a", "b"})
            tabs.AddView(tabs.GetTabCount(), name, Label(name));
        tabs.SetActiveView(1);
        QVERIFY(tabs.GetView(1)->isVisible());
        QVERIFY(!tabs.GetView(0)->isVisible());
        QVERIFY(tabs.GetView(1)->width() > 0);
        tabs.SetActiveView(7); // no such tab: nothing happens
        QCOMPARE(tabs.currentIndex(), 1);
    }
};

QTEST_MAIN(TestTabView)
#include "tst_TabView.moc"
