#include "common/ui/TabView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTabBar>

CTabView::CTabView(QWidget* parent) : QTabWidget(parent)
{
    // Removing the selected tab selects the one before it (or the next when it was the first).
    tabBar()->setSelectionBehaviorOnRemove(QTabBar::SelectLeftTab);
    setDocumentMode(false);
}

int CTabView::AddView(int index, const QString& label, const ViewFactory& factory)
{
    QWidget* view = factory ? factory(this) : nullptr;
    if (!view)
        return -1;
    view->setObjectName(view->objectName().isEmpty() ? QStringLiteral("view%1").arg(++m_NextViewId)
                                                     : view->objectName());
    return InsertView(index, label, view);
}

int CTabView::InsertView(int index, const QString& label, QWidget* view)
{
    if (!view)
        return -1;
    const int at = insertTab(index, view, label);
    if (count() == 1)
        setCurrentIndex(at);
    return at;
}

bool CTabView::DetachView(QWidget* view)
{
    const int index = indexOf(view);
    if (index < 0)
        return false;
    removeTab(index);
    view->hide();
    return true;
}

bool CTabView::DeleteView(int index)
{
    QWidget* view = widget(index);
    if (!view)
        return false;
    removeTab(index);
    delete view;
    return true;
}

void CTabView::SetActiveView(int index)
{
    if (index == currentIndex() || index < 0 || index >= count())
        return;
    setCurrentIndex(index);
}

void CTabView::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click on the tab strip goes to the view that is shown.
    if (QWidget* view = currentWidget())
    {
        QContextMenuEvent forwarded(event->reason(), view->mapFromGlobal(event->globalPos()),
                                    event->globalPos(), event->modifiers());
        QApplication::sendEvent(view, &forwarded);
        return;
    }
    QTabWidget::contextMenuEvent(event);
}
