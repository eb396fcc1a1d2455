#pragma once

#include <QTreeWidget>

class CQuillonToolSetApp;

// The "Create Event Tree" pane: the editor of the current hazard's event tree.
class CDrawEventTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CDrawEventTreeView(CQuillonToolSetApp* app, QWidget* parent = nullptr);
    ~CDrawEventTreeView() override;

    // Rebuilds the editor's tree for m_CurrentHazardId.
    void RebuildEditor();
    void ClearEditor();
    int BuiltHazardId() const { return m_HazardId; }

private:
    CQuillonToolSetApp* m_App;
    int m_HazardId = 0;
};
