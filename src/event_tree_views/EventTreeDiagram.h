#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

class CApplicationState;
class QImage;
class QPainter;

// The event tree of the current hazard as a horizontal branching diagram: the hazard at the
// left, each event as a small box with its Yes branch rising and its No branch falling,
// accidents as ellipses in one column at the right and, after a run, safe ends as circles.
// Works without a window: the scrolling view paints it, the report writes its picture file.
class CEventTreeDiagram
{
public:
    // What was drawn where, for the view's scroll bars and for tests. Coordinates are those of
    // the unscrolled diagram.
    struct Shape
    {
        enum class Kind
        {
            Line,
            EventBox,
            LabelBox,
            Text,
            OpaqueText,
            AccidentEllipse,
            SafeCircle,
            HazardIcon
        };
        Kind ShapeKind = Kind::Line;
        QRect Rect;      // the box, ellipse, circle, icon or text's rectangle
        QPoint From, To; // lines
        QString Text;
        bool LargeFont = false;
        QColor Colour = Qt::black;
        int EventId = 0; // the node a box, label or ellipse belongs to (0: hazard, safe end)
    };

    explicit CEventTreeDiagram(CApplicationState& state);
    ~CEventTreeDiagram();
    CEventTreeDiagram(const CEventTreeDiagram&) = delete;
    CEventTreeDiagram& operator=(const CEventTreeDiagram&) = delete;

    // Rebuilds the hidden tree for the application's current hazard (m_CurrentHazardId, with
    // m_CurrentHazardName as the root's label) and computes D and the sum. A hazard taking its
    // probabilities from the database, or none, leaves the diagram empty.
    void BuildDiagram();
    // Empties the diagram.
    void Clear();

    bool IsEmpty() const;
    int HazardId() const { return m_HazardId; }
    int Depth() const { return m_Depth; } // D
    double Sum() const { return m_Sum; }  // the accidents' path probabilities
    // The hidden tree's labels in tree order, one per item (for tests and the view's tooltips).
    QStringList ItemLabels() const;

    // Safe ends are drawn while the flag says the last run's results are valid; the flag is
    // g_RunResultsValid unless a test sets another. It is read at every layout.
    void SetResultsValidFlag(const bool* flag) { m_ResultsValid = flag; }

    // The shapes of the diagram as it paints now.
    QList<Shape> Layout() const;
    // Rightmost and lowest point reached by a label box (the view's scroll range).
    QPoint Extent() const;
    // Everything drawn, with a margin: the size of the picture.
    QSize Size() const;
    // Paints onto a white background already there, shifted by origin (minus the scroll
    // positions).
    void Paint(QPainter& painter, const QPoint& origin = QPoint()) const;
    // The whole diagram on white; very deep trees are scaled down to stay a sensible size.
    QImage Render() const;
    // Writes Render() as a Windows bitmap to EventTree/<Haz_ID>.bmp under the data folder,
    // making the folder when it is missing and replacing any older file. False, with the
    // reason, when there is nothing to draw or the file cannot be written.
    // The picture written is handed back through `written` when given.
    bool SavePicture(QString* error = nullptr, QImage* written = nullptr) const;

    static constexpr int MaxPictureSide = 8000;

private:
    struct Node;
    void Fill(Node& parent, int parentId, int branch, int level);
    double PathProbability(int parentId, int branch) const;

    CApplicationState& m_State;
    struct Tree;
    std::unique_ptr<Tree> m_Tree;
    std::unique_ptr<Node> m_Root;
    int m_HazardId = 0;
    int m_Depth = 0;
    double m_Sum = 0.0;
    const bool* m_ResultsValid = nullptr;
};
