#include "viewer/ui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon CProgramIcon::Icon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
    {
        QPixmap pixmap(size, size);
        pixmap.fill(QColor(186, 223, 226));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const double u = size / 16.0;
        p.setPen(QPen(QColor(120, 80, 40), 1.5 * u));
        for (int k = 0; k < 4; ++k) // sleepers
            p.drawLine(QPointF(3 * u, (2.5 + 3.7 * k) * u), QPointF(13 * u, (2.5 + 3.7 * k) * u));
        p.setPen(QPen(QColor(0, 0, 255), 1.5 * u));
        p.drawLine(QPointF(5 * u, 0), QPointF(5 * u, size));
        p.drawLine(QPointF(11 * u, 0), QPointF(11 * u, size));
        icon.addPixmap(pixmap);
    }
    return icon;
}
