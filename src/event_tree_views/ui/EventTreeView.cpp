#include "event_tree_views/ui/EventTreeView.h"

#include "event_tree_views/EventTreeDiagram.h"
#include "shell/QuillonToolSetApp.h"

#include <QPainter>
#include <QScrollBar>

namespace
{
// Margins past the extent, and how much room the extent needs before a bar shows at all.
constexpr int BottomMargin = 170;
constexpr int BottomRoom = 150;
constexpr int RightMargin = 80;
constexpr int RightRoom = 20;

void SetRange(QScrollBar* bar, int extent, int room, int margin, int page)
{
    if (extent + room < page)
    {
        bar->setRange(0, 0);
        bar->setValue(0);
        return;
    }
    bar->setRange(0, qMax(0, extent + margin - page));
    bar->setPageStep(CEventTreeView::PageStep);
}
} // namespace

CEventTreeView::CEventTreeView(CQuillonToolSetApp& app, QWidget* parent)
    : QAbstractScrollArea(parent), m_App(app), m_Diagram(std::make_unique<CEventTreeDiagram>(app))
{
    setObjectName(QStringLiteral("diagramView"));
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
    {
        bar->setSingleStep(LineStep);
        bar->setPageStep(PageStep);
    }
    m_App.m_pDiagramView = this;
}

CEventTreeView::~CEventTreeView()
{
    if (m_App.m_pDiagramView == this)
        m_App.m_pDiagramView = nullptr;
}

int CEventTreeView::BuiltHazardId() const
{
    return m_Diagram->HazardId();
}

void CEventTreeView::BuildDiagram()
{
    m_Diagram->BuildDiagram();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    RepaintDiagram();
}

void CEventTreeView::ClearDiagram()
{
    m_Diagram->Clear();
    RepaintDiagram();
}

void CEventTreeView::RepaintDiagram()
{
    UpdateScrollBars();
    viewport()->update();
}

QSize CEventTreeView::ContentSize() const
{
    if (m_Diagram->IsEmpty())
        return QSize();
    const QPoint extent = m_Diagram->Extent();
    return QSize(extent.x() + RightMargin, extent.y() + BottomMargin);
}

void CEventTreeView::UpdateScrollBars()
{
    const QPoint extent = m_Diagram->IsEmpty() ? QPoint() : m_Diagram->Extent();
    const QSize page = viewport()->size();
    SetRange(horizontalScrollBar(), extent.x(), RightRoom, RightMargin, page.width());
    SetRange(verticalScrollBar(), extent.y(), BottomRoom, BottomMargin, page.height());
}

void CEventTreeView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    if (!m_Diagram->IsEmpty())
        m_Diagram->Paint(painter,
                         QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

void CEventTreeView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CEventTreeView::scrollContentsBy(int, int)
{
    viewport()->update();
}
