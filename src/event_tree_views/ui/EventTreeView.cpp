#include "event_tree_views/ui/EventTreeView.h"

#include "shell/QuillonToolSetApp.h"

#include <QPainter>

CEventTreeView::CEventTreeView(CQuillonToolSetApp* app, QWidget* parent)
    : QWidget(parent), m_App(app)
{
    setObjectName(QStringLiteral("diagramView"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    if (m_App)
        m_App->m_pDiagramView = this;
}

CEventTreeView::~CEventTreeView()
{
    if (m_App && m_App->m_pDiagramView == this)
        m_App->m_pDiagramView = nullptr;
}

void CEventTreeView::BuildDiagram()
{
    m_HazardId = m_App ? m_App->m_CurrentHazardId : 0;
    update();
}

void CEventTreeView::ClearDiagram()
{
    m_HazardId = 0;
    update();
}

void CEventTreeView::paintEvent(QPaintEvent*)
{
    // The diagram itself is drawn by the event tree diagram code; until a hazard is shown the
    // pane stays blank.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
}
