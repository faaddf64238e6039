#include "common/Icons.h"

#include "common/FormStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace Icons {

namespace {

const QColor Ink(0x50, 0x50, 0x50);

void drawGear(QPainter &p, QPointF c, qreal r)
{
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i * M_PI) / teeth;
        const qreal a1 = ((i + 1) * M_PI) / teeth;
        const qreal rr = (i % 2 == 0) ? r : r * 0.78;
        const QPointF p0(c.x() + rr * qCos(a0), c.y() + rr * qSin(a0));
        const QPointF p1(c.x() + rr * qCos(a1), c.y() + rr * qSin(a1));
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    path.addEllipse(c, r * 0.32, r * 0.32);
    path.setFillRule(Qt::OddEvenFill);
    p.fillPath(path, Ink);
}

} // namespace

QIcon icon(Kind kind)
{
    const int s = 64;
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const QPointF c(s / 2.0, s / 2.0);
    switch (kind) {
    case Kind::Information:
        p.drawEllipse(c, 26, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(32, 19), 4.5, 4.5);
        p.drawRoundedRect(QRectF(27.5, 27, 9, 23), 2, 2);
        break;
    case Kind::Options:
        p.setPen(Qt::NoPen);
        drawGear(p, c, 27);
        break;
    case Kind::Close:
        p.setPen(QPen(FormStyle::Pressed, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8, 10, 48, 48), 120 * 16, 300 * 16);
        p.drawLine(QPointF(32, 4), QPointF(32, 32));
        break;
    case Kind::New:
        p.drawRect(QRectF(14, 8, 32, 46));
        p.setPen(QPen(FormStyle::Pressed, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(44, 40), QPointF(58, 40));
        p.drawLine(QPointF(51, 33), QPointF(51, 47));
        break;
    case Kind::Open:
        p.drawPolyline(QPolygonF({QPointF(6, 52), QPointF(6, 14), QPointF(24, 14), QPointF(30, 20), QPointF(52, 20),
                                  QPointF(52, 28)}));
        p.drawPolygon(QPolygonF({QPointF(6, 52), QPointF(16, 30), QPointF(60, 30), QPointF(50, 52)}));
        break;
    case Kind::Communication:
        p.drawRect(QRectF(8, 10, 48, 30));
        p.drawLine(QPointF(32, 40), QPointF(32, 50));
        p.drawLine(QPointF(14, 54), QPointF(50, 54));
        break;
    case Kind::Variables:
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(10, 14 + i * 18), QPointF(16, 14 + i * 18));
            p.drawLine(QPointF(24, 14 + i * 18), QPointF(54, 14 + i * 18));
        }
        break;
    case Kind::Description:
        p.drawPolyline(QPolygonF({QPointF(22, 14), QPointF(10, 32), QPointF(22, 50)}));
        p.drawPolyline(QPolygonF({QPointF(42, 14), QPointF(54, 32), QPointF(42, 50)}));
        p.drawLine(QPointF(36, 12), QPointF(28, 52));
        break;
    case Kind::Update:
        p.drawArc(QRectF(10, 10, 44, 44), 30 * 16, 300 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(FormStyle::Pressed);
        p.drawPolygon(QPolygonF({QPointF(44, 4), QPointF(58, 20), QPointF(38, 22)}));
        break;
    }
    p.end();
    return QIcon(pm);
}

} // namespace Icons
