#pragma once

#include <QList>
#include <QMap>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// Every command of the main window as a QAction carrying its command id (QAction::data), with
// its menu text, status text, tooltip, accelerator and toolbar picture; and the main menu and
// toolbar built from them.
class CCommandActions
{
public:
    explicit CCommandActions(QMainWindow* window);

    QAction* Action(int id) const { return m_Actions.value(id); }
    QList<int> Ids() const { return m_Actions.keys(); }
    static int IdOf(const QAction* action);

    void BuildMenus();
    QToolBar* BuildToolBar();
    QList<QMenu*> Menus() const { return m_Menus; }

private:
    QAction* Make(int id, const QString& text, const QString& statusText = QString(),
                  const QString& toolTip = QString());

    QMainWindow* m_Window;
    QMap<int, QAction*> m_Actions;
    QList<QMenu*> m_Menus;
};
