#pragma once

#include <QWidget>

class CQuillonToolSetApp;

// The "View Event Tree" pane: the diagram of the current hazard's event tree.
class CEventTreeView : public QWidget
{
    Q_OBJECT
public:
    explicit CEventTreeView(CQuillonToolSetApp* app, QWidget* parent = nullptr);
    ~CEventTreeView() override;

    // Lays out the diagram of m_CurrentHazardId.
    void BuildDiagram();
    void ClearDiagram();
    void RepaintDiagram() { update(); }
    int BuiltHazardId() const { return m_HazardId; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CQuillonToolSetApp* m_App;
    int m_HazardId = 0;
};
