#include "shell/ShellIcons.h"

#include "common/CommandIds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace
{
const QColor Navy(30, 60, 120);
const QColor Steel(70, 110, 170);
const QColor Leaf(40, 150, 60);
const QColor Amber(240, 180, 30);
const QColor Brick(200, 50, 40);

QPixmap Canvas(int size)
{
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    return pix;
}

void Plus(QPainter& p, QPointF centre, qreal r)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Leaf);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(Qt::white, r / 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-r / 2, 0), centre + QPointF(r / 2, 0));
    p.drawLine(centre + QPointF(0, -r / 2), centre + QPointF(0, r / 2));
}

void Box(QPainter& p, const QRectF& r, const QColor& fill)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, fill.lighter(140));
    g.setColorAt(1, fill);
    p.setPen(QPen(fill.darker(160), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 2.5, 2.5);
}

void Triangle(QPainter& p, const QRectF& r, const QColor& fill)
{
    QPainterPath path;
    path.moveTo(r.center().x(), r.top());
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(fill.darker(170), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.setPen(QPen(Qt::black, r.width() / 10, Qt::SolidLine, Qt::RoundCap));
    const qreal x = r.center().x();
    p.drawLine(QPointF(x, r.top() + r.height() * 0.38), QPointF(x, r.top() + r.height() * 0.68));
    p.drawPoint(QPointF(x, r.top() + r.height() * 0.84));
}

void SystemPicture(QPainter& p, const QRectF& r)
{
    // Three stacked units: a system made of parts.
    const qreal h = r.height() / 4;
    for (int i = 2; i >= 0; --i)
        Box(p, QRectF(r.left() + i * 2, r.top() + i * h * 1.1, r.width() - 4, h * 1.3), Steel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 230, 120));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(r.right() - 7 - (2 - i) * 0, r.top() + i * h * 1.1 + h * 0.65 + 4),
                      1.6, 1.6);
}

void SubsystemPicture(QPainter& p, const QRectF& r)
{
    const qreal w = r.width() * 0.45;
    p.setPen(QPen(Navy, 1.5));
    p.drawLine(QPointF(r.left() + w / 2, r.top() + w),
               QPointF(r.left() + w / 2, r.bottom() - w / 2));
    p.drawLine(QPointF(r.left() + w / 2, r.bottom() - w / 2),
               QPointF(r.right() - w, r.bottom() - w / 2));
    Box(p, QRectF(r.left(), r.top(), w, w), Steel);
    Box(p, QRectF(r.right() - w, r.bottom() - w, w, w), Leaf);
}

void FunctionPicture(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(255, 200, 120));
    g.setColorAt(1, QColor(220, 120, 30));
    p.setPen(QPen(QColor(150, 80, 20), 1.2));
    p.setBrush(g);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    QFont f(QStringLiteral("Serif"));
    f.setItalic(true);
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.62));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("f"));
}

void Document(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setPen(QPen(QColor(150, 160, 180), 1.2));
    for (qreal y = r.top() + fold + 2; y < r.bottom() - 3; y += 3.5)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void DrawToolbar(QPainter& p, int id, const QRectF& r)
{
    switch (id)
    {
    case CommandId::AddNewSystem:
        SystemPicture(p, r.adjusted(0, 2, -6, -6));
        Plus(p, r.bottomRight() - QPointF(7, 7), 7);
        break;
    case CommandId::OpenSystem:
    {
        p.setPen(QPen(QColor(160, 110, 20), 1.2));
        p.setBrush(QColor(240, 200, 90));
        p.drawRoundedRect(QRectF(r.left(), r.top() + 5, r.width() * 0.45, 6), 2, 2);
        p.drawRoundedRect(QRectF(r.left(), r.top() + 8, r.width(), r.height() - 12), 2, 2);
        QPainterPath flap;
        flap.moveTo(r.left() + 5, r.top() + 14);
        flap.lineTo(r.right() + 1, r.top() + 14);
        flap.lineTo(r.right() - 4, r.bottom() - 4);
        flap.lineTo(r.left(), r.bottom() - 4);
        flap.closeSubpath();
        p.setBrush(QColor(250, 220, 130));
        p.drawPath(flap);
        break;
    }
    case CommandId::AddHazard:
        Triangle(p, r.adjusted(0, 1, -6, -5), Amber);
        Plus(p, r.bottomRight() - QPointF(7, 7), 7);
        break;
    case CommandId::AddSubsystem:
        SubsystemPicture(p, r.adjusted(0, 0, -6, -6));
        Plus(p, r.bottomRight() - QPointF(7, 7), 7);
        break;
    case CommandId::AddFunction:
        FunctionPicture(p, r.adjusted(0, 0, -7, -7));
        Plus(p, r.bottomRight() - QPointF(7, 7), 7);
        break;
    case CommandId::Edit:
    {
        Document(p, r.adjusted(2, 0, -8, 0));
        p.save();
        p.translate(r.center() + QPointF(4, 2));
        p.rotate(45);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(250, 200, 60));
        p.drawRect(QRectF(-3, -13, 6, 20));
        p.setBrush(QColor(240, 120, 140));
        p.drawRect(QRectF(-3, -16, 6, 3));
        QPainterPath tip;
        tip.moveTo(-3, 7);
        tip.lineTo(3, 7);
        tip.lineTo(0, 12);
        tip.closeSubpath();
        p.setBrush(QColor(230, 210, 170));
        p.drawPath(tip);
        p.restore();
        break;
    }
    case CommandId::Delete:
        p.setPen(QPen(Brick, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.topLeft() + QPointF(6, 6), r.bottomRight() - QPointF(6, 6));
        p.drawLine(r.topRight() + QPointF(-6, 6), r.bottomLeft() + QPointF(6, -6));
        break;
    case CommandId::Run:
    {
        QPainterPath play;
        play.moveTo(r.left() + 6, r.top() + 2);
        play.lineTo(r.right() - 2, r.center().y());
        play.lineTo(r.left() + 6, r.bottom() - 2);
        play.closeSubpath();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(110, 210, 110));
        g.setColorAt(1, Leaf);
        p.setPen(QPen(Leaf.darker(150), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(play);
        break;
    }
    case CommandId::Report:
    {
        Document(p, r.adjusted(3, 0, -5, 0));
        p.setPen(Qt::NoPen);
        const QColor bars[3] = {Steel, Leaf, Brick};
        for (int i = 0; i < 3; ++i)
        {
            const qreal h = 6 + i * 4;
            p.setBrush(bars[i]);
            p.drawRect(QRectF(r.left() + 8 + i * 6, r.bottom() - 3 - h, 4, h));
        }
        break;
    }
    case CommandId::Help:
    default:
    {
        p.setPen(QPen(Navy, 1.2));
        p.setBrush(QColor(60, 120, 210));
        p.drawEllipse(r.adjusted(2, 2, -2, -2));
        QFont f(QStringLiteral("Sans"));
        f.setBold(true);
        f.setPixelSize(int(r.height() * 0.6));
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}
} // namespace

QIcon CShellIcons::ToolbarIcon(int commandId)
{
    QIcon icon;
    for (int size : {24, 32})
    {
        QPixmap pix = Canvas(size);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        DrawToolbar(p, commandId, QRectF(2, 2, 28, 28));
        p.end();
        icon.addPixmap(pix);
    }
    return icon;
}

QIcon CShellIcons::TreeImage(int kind)
{
    QIcon icon;
    for (int size : {16, 32})
    {
        QPixmap pix = Canvas(size);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        const QRectF r(2, 2, 28, 28);
        switch (kind)
        {
        case 0:
            SystemPicture(p, r);
            break;
        case 1:
            SubsystemPicture(p, r);
            break;
        case 2:
            FunctionPicture(p, r);
            break;
        default:
            Triangle(p, r.adjusted(0, 1, 0, -1), Amber);
            break;
        }
        p.end();
        icon.addPixmap(pix);
    }
    return icon;
}

QIcon CShellIcons::ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
    {
        QPixmap pix = Canvas(size);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        // A shield over two rails: safety of the railway.
        QPainterPath shield;
        shield.moveTo(32, 3);
        shield.cubicTo(44, 9, 54, 9, 58, 9);
        shield.cubicTo(58, 38, 48, 53, 32, 61);
        shield.cubicTo(16, 53, 6, 38, 6, 9);
        shield.cubicTo(10, 9, 20, 9, 32, 3);
        QLinearGradient g(0, 0, 0, 64);
        g.setColorAt(0, Steel.lighter(130));
        g.setColorAt(1, Navy);
        p.setPen(QPen(Navy.darker(150), 2));
        p.setBrush(g);
        p.drawPath(shield);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, 16), QPointF(20, 50));
        p.drawLine(QPointF(39, 16), QPointF(44, 50));
        p.setPen(QPen(Amber, 3, Qt::SolidLine, Qt::RoundCap));
        for (int y = 22; y <= 46; y += 8)
            p.drawLine(QPointF(22 - (y - 16) * 0.05, y), QPointF(42 + (y - 16) * 0.05, y));
        p.end();
        icon.addPixmap(pix);
    }
    return icon;
}

QPixmap CShellIcons::SplashPicture()
{
    QPixmap pix(520, 300);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, pix.height());
    g.setColorAt(0, QColor(28, 52, 96));
    g.setColorAt(1, QColor(70, 110, 170));
    p.fillRect(pix.rect(), g);
    // An event tree in faint lines behind the title.
    p.setPen(QPen(QColor(255, 255, 255, 50), 2));
    const QPointF root(60, 190);
    for (int i = 0; i < 2; ++i)
    {
        const QPointF mid(180, 150 + i * 80);
        p.drawLine(root, mid);
        for (int k = 0; k < 2; ++k)
            p.drawLine(mid, QPointF(300, mid.y() - 20 + k * 40));
    }
    ProgramIcon().paint(&p, QRect(40, 40, 64, 64));
    QFont title(QStringLiteral("Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(120, 40, 380, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Toravin Model Vozezur"));
    QFont sub(QStringLiteral("Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRect(120, 80, 380, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quantitative risk assessment of train control systems"));
    p.drawText(QRect(0, 260, 500, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version 2.3"));
    p.end();
    return pix;
}
