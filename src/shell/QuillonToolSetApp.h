#pragma once

#include "common/ApplicationState.h"

class CTabView;
class CResultTabView;
class CResultListView;
class CLeftView;
class CEventTreeView;
class CDrawEventTreeView;
class CHazardAccidentInfo;
class CMainFrame;

// The program's shared state: both databases, the open system and the views through which the
// parts of the window reach each other. Each view fills its pointer when it is made; the window
// tree owns the views. main makes one; tests make their own.
class CQuillonToolSetApp : public CApplicationState
{
public:
    static inline const QString InitFailedText =
        QStringLiteral("Unable to initialize the database");

    // Opens both databases; on failure shows "Unable to initialize the database" and returns
    // false, and the program ends.
    bool InitDatabases();

    CMainFrame* m_pMainFrame = nullptr;
    CTabView* m_pEventTreeTabs = nullptr;
    CResultTabView* m_pResultTabs = nullptr;
    CLeftView* m_pSystemTree = nullptr;
    CEventTreeView* m_pDiagramView = nullptr;
    CDrawEventTreeView* m_pEditorView = nullptr;
    CHazardAccidentInfo* m_pAccidentInfoView = nullptr;
    CResultListView* m_pResultList = nullptr;
};
