#include "event_tree_views/EventTreeDiagram.h"

#include "common/ApplicationState.h"
#include "common/DataPaths.h"
#include "model_store/ModelDatabase.h"
#include "risk_analysis/ProbabilityText.h"
#include "risk_analysis/RunResultsValid.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextOption>

#include <functional>
#include <vector>

namespace
{
constexpr int LevelStep = 125;
constexpr int LabelWidth = 80;
constexpr int LabelHeight = 110;
const QColor AccidentRed(240, 0, 0);
const QColor SafeGreen(0, 170, 0);
const QColor LightEdge(200, 200, 200);
const QColor DarkEdge(100, 100, 100);

QString BranchProbabilityText(double probability)
{
    if (probability == 1.0)
        return QStringLiteral("(1)");
    if (probability == 0.0)
        return QStringLiteral("(0)");
    return QLatin1Char('(') + FormatProbabilityText(probability) + QLatin1Char(')');
}

// The diagram's fonts are given by their cell height (ascent plus descent) in pixels, as the
// drawing has always sized them; Liberation Sans stands in for Arial with the same metrics.
QFont DiagramFont(bool large)
{
    const int cellHeight = large ? 15 : 13;
    QFont font(QStringLiteral("Arial"));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting); // even letter spacing without smoothing
    font.setPixelSize(cellHeight);
    const int height = QFontMetrics(font).height();
    if (height > cellHeight)
        font.setPixelSize(qMax(1, qRound(double(cellHeight) * cellHeight / height)));
    return font;
}

int Clamp(qint64 value)
{
    return int(qBound(qint64(-1000000000), value, qint64(1000000000)));
}

qint64 Power2(int exponent)
{
    return exponent <= 0 ? 1 : (exponent >= 40 ? (qint64(1) << 40) : (qint64(1) << exponent));
}
} // namespace

struct CEventTreeDiagram::Node
{
    enum class Kind
    {
        Hazard,
        Event,
        Accident,
        SafeEnd
    };
    Kind NodeKind = Kind::Hazard;
    int EventId = 0;
    QString Label;
    double YesProbability = 0.0;
    // The hazard's children; an event's Yes and No branches.
    std::vector<std::unique_ptr<Node>> Children, Yes, No;

    static bool HasStoredChild(const std::vector<std::unique_ptr<Node>>& branch)
    {
        for (const auto& child : branch)
        {
            if (child->NodeKind != Kind::SafeEnd)
                return true;
        }
        return false;
    }
};

struct CEventTreeDiagram::Tree
{
    QHash<int, CEventTreeNode> Nodes;
    QHash<QPair<int, int>, QList<int>> LiveChildren; // (parent, branch) -> ids in store order
};

CEventTreeDiagram::CEventTreeDiagram(CApplicationState& state)
    : m_State(state), m_Tree(std::make_unique<Tree>()), m_ResultsValid(&g_RunResultsValid)
{
}

CEventTreeDiagram::~CEventTreeDiagram() = default;

void CEventTreeDiagram::Clear()
{
    m_Root.reset();
    m_Tree = std::make_unique<Tree>();
    m_HazardId = 0;
    m_Depth = 0;
    m_Sum = 0.0;
}

bool CEventTreeDiagram::IsEmpty() const
{
    return !m_Root;
}

void CEventTreeDiagram::BuildDiagram()
{
    Clear();
    const int hazardId = m_State.m_CurrentHazardId;
    CModelDatabase* store = m_State.m_pModelStore.get();
    if (hazardId == 0 || !store)
        return;
    CHazardList hazards;
    if (!store->GetHazard(hazards, hazardId) || hazards.isEmpty() ||
        hazards.first().IsProbFromDatabase)
        return;

    // The whole tree in one query; a failure leaves the diagram with the hazard alone.
    CEventTreeNodeList nodes;
    store->GetEventTreeOfHazard(nodes, hazardId);
    for (const CEventTreeNode& node : nodes)
    {
        m_Tree->Nodes.insert(node.event.Event_ID, node);
        if (node.DeleteFlag == 0)
            m_Tree->LiveChildren[{node.event.Event_ParentID, node.event.Event_ParentAction}].append(
                node.event.Event_ID);
    }

    m_HazardId = hazardId;
    m_Root = std::make_unique<Node>();
    m_Root->Label = m_State.m_CurrentHazardName;
    Fill(*m_Root, 0, 0, 1);

    // D: one more than the deepest level of an event with a stored child, at least 2.
    int deepest = 1;
    std::vector<std::pair<const Node*, int>> stack;
    for (const auto& child : m_Root->Children)
        stack.push_back({child.get(), 1});
    while (!stack.empty())
    {
        const auto [node, level] = stack.back();
        stack.pop_back();
        if (node->NodeKind != Node::Kind::Event)
            continue;
        if (Node::HasStoredChild(node->Yes) || Node::HasStoredChild(node->No))
            deepest = qMax(deepest, level);
        for (const auto& child : node->Yes)
            stack.push_back({child.get(), level + 1});
        for (const auto& child : node->No)
            stack.push_back({child.get(), level + 1});
    }
    m_Depth = deepest + 1;
}

double CEventTreeDiagram::PathProbability(int parentId, int branch) const
{
    // From the node's parent up to the first event, whatever the rows' DeleteFlag.
    double value = 1.0;
    int eventId = parentId;
    int steps = 0;
    while (eventId != 0 && steps++ <= m_Tree->Nodes.size())
    {
        const auto it = m_Tree->Nodes.constFind(eventId);
        if (it == m_Tree->Nodes.cend())
            break;
        const double p = it->event.Event_YesProbability;
        if (branch == 1)
            value = value * p;
        else
            value = (1 - p) * value;
        eventId = it->event.Event_ParentID;
        branch = it->event.Event_ParentAction;
    }
    return value;
}

void CEventTreeDiagram::Fill(Node& parent, int parentId, int branch, int level)
{
    std::vector<std::unique_ptr<Node>>& target = parent.NodeKind == Node::Kind::Hazard
                                                     ? parent.Children
                                                     : (branch == 1 ? parent.Yes : parent.No);
    const QList<int> children = m_Tree->LiveChildren.value({parentId, branch});
    if (children.isEmpty())
    {
        auto safeEnd = std::make_unique<Node>();
        safeEnd->NodeKind = Node::Kind::SafeEnd;
        target.push_back(std::move(safeEnd));
        return;
    }
    // A damaged table could link nodes in a ring; no real tree is this deep.
    if (level > m_Tree->Nodes.size() + 1)
        return;
    for (int id : children)
    {
        const CEventTree& row = m_Tree->Nodes.value(id).event;
        auto node = std::make_unique<Node>();
        node->EventId = id;
        if (row.Event_Type == 1)
        {
            const double probability = PathProbability(row.Event_ParentID, row.Event_ParentAction);
            m_Sum += probability;
            node->NodeKind = Node::Kind::Accident;
            node->Label =
                QStringLiteral("%1 (%2)").arg(row.Event_Name, FormatProbabilityText(probability));
            target.push_back(std::move(node));
        }
        else
        {
            node->NodeKind = Node::Kind::Event;
            node->Label = row.Event_Name;
            node->YesProbability = row.Event_YesProbability;
            Node& event = *node;
            target.push_back(std::move(node));
            Fill(event, id, 1, level + 1);
            Fill(event, id, 2, level + 1);
        }
    }
}

QStringList CEventTreeDiagram::ItemLabels() const
{
    QStringList labels;
    if (!m_Root)
        return labels;
    const QString safe =
        QStringLiteral("SafeState (prob=%1)").arg(FormatProbabilityText(1 - m_Sum));
    std::vector<const Node*> stack{m_Root.get()};
    while (!stack.empty())
    {
        const Node* node = stack.back();
        stack.pop_back();
        labels << (node->NodeKind == Node::Kind::SafeEnd ? safe : node->Label);
        std::vector<const Node*> next;
        for (const auto* branch : {&node->Children, &node->Yes, &node->No})
            for (const auto& child : *branch)
                next.push_back(child.get());
        stack.insert(stack.end(), next.rbegin(), next.rend());
    }
    return labels;
}

QList<CEventTreeDiagram::Shape> CEventTreeDiagram::Layout() const
{
    using Kind = Shape::Kind;
    QList<Shape> shapes;
    if (!m_Root)
        return shapes;
    const bool showSafeEnds = m_ResultsValid && *m_ResultsValid;
    const QString safeLabel =
        QStringLiteral("SafeState (prob=%1)").arg(FormatProbabilityText(1 - m_Sum));
    const QFontMetrics normal(DiagramFont(false));
    const int D = m_Depth;

    auto line = [&](qint64 x1, qint64 y1, qint64 x2, qint64 y2)
    {
        Shape s;
        s.ShapeKind = Kind::Line;
        s.From = QPoint(Clamp(x1), Clamp(y1));
        s.To = QPoint(Clamp(x2), Clamp(y2));
        s.Rect = QRect(s.From, s.To).normalized().adjusted(-1, -1, 1, 1);
        shapes << s;
    };
    auto box = [&](Kind kind, qint64 x, qint64 y, int w, int h, int id = 0)
    {
        Shape s;
        s.ShapeKind = kind;
        s.Rect = QRect(Clamp(x), Clamp(y), w, h);
        s.EventId = id;
        shapes << s;
    };
    auto label = [&](qint64 x, qint64 y, const QString& text, bool largeFont, int id)
    {
        Shape s;
        s.ShapeKind = Kind::LabelBox;
        s.Rect = QRect(Clamp(x), Clamp(y), LabelWidth, LabelHeight);
        s.Text = text;
        s.LargeFont = largeFont;
        s.EventId = id;
        shapes << s;
    };
    auto text = [&](Kind kind, qint64 x, qint64 y, const QString& string, const QColor& colour)
    {
        Shape s;
        s.ShapeKind = kind;
        s.Rect = QRect(Clamp(x), Clamp(y), normal.horizontalAdvance(string), normal.height());
        s.Text = string;
        s.Colour = colour;
        shapes << s;
    };

    std::function<void(const Node&, qint64, qint64, int)> draw;
    draw = [&](const Node& node, qint64 x, qint64 y, int d)
    {
        switch (node.NodeKind)
        {
        case Node::Kind::Hazard:
            label(x + 35, y - 50, node.Label, true, 0);
            box(Kind::HazardIcon, x, y - 50, 32, 32);
            box(Kind::EventBox, x, y - 7, 14, 14);
            line(x, y, x + 90, y);
            for (const auto& child : node.Children)
                draw(*child, x + 90, y, 1);
            break;
        case Node::Kind::Event:
        {
            const qint64 t = 22 * Power2(D - d);
            box(Kind::EventBox, x, y - 7, 14, 14, node.EventId);
            label(x + 11, y + 5, node.Label, false, node.EventId);
            line(x, y, x + 90, y);
            const bool noChild = Node::HasStoredChild(node.No);
            const qint64 h = noChild ? t : 40;
            line(x + 90, y, x + 90, y + h);
            text(Kind::OpaqueText, x + 95, y + h + 5, QStringLiteral("NO"), Qt::black);
            text(Kind::Text, x + 93, y + h + 18, BranchProbabilityText(1 - node.YesProbability),
                 Qt::black);
            line(x + 90, y + h, x + 125, y + h);
            const bool yesChild = Node::HasStoredChild(node.Yes);
            const qint64 r = yesChild ? t : 40;
            line(x + 90, y, x + 90, y - r);
            text(Kind::OpaqueText, x + 95, y - r - 15, QStringLiteral("YES"), Qt::black);
            text(Kind::Text, x + 95, y - r - 30, BranchProbabilityText(node.YesProbability),
                 Qt::black);
            line(x + 90, y - r, x + 125, y - r);
            if (showSafeEnds)
            {
                const qint64 length = qMax<qint64>(0, qint64(D - d) * LevelStep + 35);
                for (const auto& [empty, branchY] :
                     {std::pair{!yesChild, y - 40}, std::pair{!noChild, y + 40}})
                {
                    if (!empty)
                        continue;
                    const qint64 left = x + 125 + length;
                    line(x + 125, branchY, left, branchY);
                    box(Kind::SafeCircle, left, branchY - 20, 40, 40);
                    text(Kind::Text, left + 8, branchY - 5, QStringLiteral("Safe"), SafeGreen);
                    text(Kind::Text, left + 45, branchY - 5, safeLabel, SafeGreen);
                }
            }
            for (const auto& child : node.Yes)
                draw(*child, x + 125, y - t, d + 1);
            for (const auto& child : node.No)
                draw(*child, x + 125, y + t, d + 1);
            break;
        }
        case Node::Kind::Accident:
        {
            const qint64 end = x + qint64(D - d + 1) * LevelStep + 30;
            line(x, y, end, y);
            box(Kind::AccidentEllipse, end, y - 20, 70, 40, node.EventId);
            text(Kind::Text, end + 13, y - 5, QStringLiteral("Accident"), AccidentRed);
            label(end + 75, y - 15, node.Label, false, node.EventId);
            break;
        }
        case Node::Kind::SafeEnd:
            break;
        }
    };
    draw(*m_Root, 10, 40 * Power2(D - 1) + 30, 0);
    return shapes;
}

QPoint CEventTreeDiagram::Extent() const
{
    QPoint extent;
    for (const Shape& shape : Layout())
    {
        if (shape.ShapeKind == Shape::Kind::LabelBox)
            extent = QPoint(qMax(extent.x(), shape.Rect.right() + 1),
                            qMax(extent.y(), shape.Rect.bottom() + 1));
    }
    return extent;
}

QSize CEventTreeDiagram::Size() const
{
    const QList<Shape> shapes = Layout();
    if (shapes.isEmpty())
        return QSize();
    const QFontMetrics normal(DiagramFont(false));
    const QFontMetrics large(DiagramFont(true));
    int right = 0;
    int bottom = 0;
    for (const Shape& shape : shapes)
    {
        QRect rect = shape.Rect;
        if (shape.ShapeKind == Shape::Kind::LabelBox)
        {
            // Only as much of the box as its wrapped text fills.
            const QFontMetrics& metrics = shape.LargeFont ? large : normal;
            const QRect used = metrics.boundingRect(
                QRect(rect.topLeft(), QSize(LabelWidth, 100000)), Qt::TextWordWrap, shape.Text);
            rect.setHeight(qBound(1, used.height(), LabelHeight));
        }
        right = qMax(right, rect.right() + 1);
        bottom = qMax(bottom, rect.bottom() + 1);
    }
    return QSize(right + 10, bottom + 10);
}

void CEventTreeDiagram::Paint(QPainter& painter, const QPoint& origin) const
{
    using Kind = Shape::Kind;
    const QList<Shape> shapes = Layout();
    painter.save();
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Crisp, unsmoothed text and lines, as the diagram has always looked; it also keeps the
    // picture to a few colours, which makes the report's copy small.
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const QPen linePen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const QFont normal = DiagramFont(false);
    const QFont large = DiagramFont(true);
    QTextOption wrap(Qt::AlignLeft | Qt::AlignTop);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    for (const Shape& shape : shapes)
    {
        switch (shape.ShapeKind)
        {
        case Kind::Line:
            painter.setPen(linePen);
            painter.drawLine(shape.From, shape.To);
            break;
        case Kind::EventBox:
        {
            const QRect r = shape.Rect.adjusted(0, 0, -1, -1);
            painter.setPen(QPen(LightEdge, 1));
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(QPen(DarkEdge, 1));
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
            break;
        }
        case Kind::LabelBox:
            painter.save();
            painter.setClipRect(shape.Rect);
            painter.setFont(shape.LargeFont ? large : normal);
            painter.setPen(Qt::black);
            painter.setBackgroundMode(Qt::OpaqueMode);
            painter.setBackground(Qt::white);
            painter.drawText(QRectF(shape.Rect), shape.Text, wrap);
            painter.restore();
            break;
        case Kind::OpaqueText:
            painter.fillRect(shape.Rect, Qt::white);
            [[fallthrough]];
        case Kind::Text:
            painter.setFont(normal);
            painter.setPen(shape.Colour);
            painter.drawText(shape.Rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             shape.Text);
            break;
        case Kind::AccidentEllipse:
        case Kind::SafeCircle:
            painter.setPen(linePen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(shape.Rect.adjusted(1, 1, -1, -1));
            painter.setBrush(Qt::NoBrush);
            break;
        case Kind::HazardIcon:
        {
            // A warning sign: yellow triangle, black rim and exclamation mark.
            const QRectF r = QRectF(shape.Rect).adjusted(2, 3, -2, -3);
            QPainterPath triangle;
            triangle.moveTo(r.center().x(), r.top());
            triangle.lineTo(r.right(), r.bottom());
            triangle.lineTo(r.left(), r.bottom());
            triangle.closeSubpath();
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(Qt::black, 1.5));
            painter.setBrush(QColor(255, 204, 0));
            painter.drawPath(triangle);
            painter.setBrush(Qt::black);
            painter.setPen(Qt::NoPen);
            const double cx = r.center().x();
            painter.drawRect(QRectF(cx - 1.5, r.top() + 9, 3, 10));
            painter.drawEllipse(QPointF(cx, r.bottom() - 4), 1.8, 1.8);
            painter.setBrush(Qt::NoBrush);
            painter.setRenderHint(QPainter::Antialiasing, false);
            break;
        }
        }
    }
    painter.restore();
}

QImage CEventTreeDiagram::Render() const
{
    const QSize size = Size();
    if (size.isEmpty())
        return QImage();
    const double scale = qMin(1.0, double(MaxPictureSide) / qMax(size.width(), size.height()));
    const QSize pixels(qMax(1, int(size.width() * scale)), qMax(1, int(size.height() * scale)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (scale < 1.0)
        painter.scale(scale, scale);
    Paint(painter);
    painter.end();
    return image;
}

bool CEventTreeDiagram::SavePicture(QString* error, QImage* written) const
{
    auto fail = [&](const QString& reason)
    {
        if (error)
            *error = reason;
        return false;
    };
    if (IsEmpty())
        return fail(QStringLiteral("There is no event tree to draw."));
    const QString folder = CDataPaths::EventTreeDir();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("Cannot make the folder %1").arg(folder));
    const QString path = CDataPaths::EventTreePicturePath(m_HazardId);
    const QImage image = Render();
    QSaveFile file(path);
    if (image.isNull() || !file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") ||
        !file.commit())
        return fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (written)
        *written = image;
    return true;
}
