#pragma once

#include <QTabWidget>

#include <functional>

// A tab container whose tabs each hold one view. Views can be taken out of the container
// without being destroyed and put back later, which is how the right pane swaps the event tree
// views for the accident information page.
class CTabView : public QTabWidget
{
    Q_OBJECT
public:
    using ViewFactory = std::function<QWidget*(QWidget* parent)>;

    explicit CTabView(QWidget* parent = nullptr);

    // Creates a view with the factory and inserts its tab at index. Returns the index, or -1
    // when no view was made.
    int AddView(int index, const QString& label, const ViewFactory& factory);
    // The same for a view that already exists (one taken out with DetachView).
    int InsertView(int index, const QString& label, QWidget* view);
    // Removes the tab holding view and hides the view; the view lives on.
    bool DetachView(QWidget* view);
    // Removes the tab at index and destroys its view.
    bool DeleteView(int index);
    // Selects a tab; nothing happens when it is already selected.
    void SetActiveView(int index);
    int GetTabCount() const { return count(); }
    QWidget* GetView(int index) const { return widget(index); }
    QWidget* GetActiveView() const { return currentWidget(); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int m_NextViewId = 0;
};
