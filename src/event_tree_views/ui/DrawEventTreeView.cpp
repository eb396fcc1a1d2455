#include "event_tree_views/ui/DrawEventTreeView.h"

#include "shell/QuillonToolSetApp.h"

CDrawEventTreeView::CDrawEventTreeView(CQuillonToolSetApp* app, QWidget* parent)
    : QTreeWidget(parent), m_App(app)
{
    setObjectName(QStringLiteral("editorView"));
    setHeaderHidden(true);
    if (m_App)
        m_App->m_pEditorView = this;
}

CDrawEventTreeView::~CDrawEventTreeView()
{
    if (m_App && m_App->m_pEditorView == this)
        m_App->m_pEditorView = nullptr;
}

void CDrawEventTreeView::RebuildEditor()
{
    clear();
    m_HazardId = m_App ? m_App->m_CurrentHazardId : 0;
    if (m_HazardId != 0)
        addTopLevelItem(new QTreeWidgetItem(QStringList(m_App->m_CurrentHazardName)));
}

void CDrawEventTreeView::ClearEditor()
{
    clear();
    m_HazardId = 0;
}
