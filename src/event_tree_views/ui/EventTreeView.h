#pragma once

#include <QAbstractScrollArea>

#include <memory>

class CEventTreeDiagram;
class CQuillonToolSetApp;

// The "View Event Tree" pane: the diagram of the current hazard's event tree, scrolled over the
// diagram's extent.
class CEventTreeView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CEventTreeView(CQuillonToolSetApp& app, QWidget* parent = nullptr);
    ~CEventTreeView() override;

    // Lays out the diagram of m_CurrentHazardId, back at the top left.
    void BuildDiagram();
    void ClearDiagram();
    // Repaints, with the scroll range taken again: the safe ends a run adds widen the diagram.
    void RepaintDiagram();
    int BuiltHazardId() const;

    CEventTreeDiagram& Diagram() const { return *m_Diagram; }
    // The area the scroll bars cover: the diagram's extent with the margins below and right.
    QSize ContentSize() const;

    static constexpr int LineStep = 20;
    static constexpr int PageStep = 50;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollBars();

    CQuillonToolSetApp& m_App;
    std::unique_ptr<CEventTreeDiagram> m_Diagram;
};
