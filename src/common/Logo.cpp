#include "common/Logo.h"

#include "common/FormStyle.h"

#include <QPainter>
#include <QPainterPath>

QPixmap makerLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    p.fillPath(tile, FormStyle::Pressed);
    // Three tesserae: the configurator's mark.
    const qreal cell = size / 4.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(cell * 0.7, cell * 0.7, cell * 1.2, cell * 1.2));
    p.drawRect(QRectF(cell * 2.1, cell * 0.7, cell * 1.2, cell * 1.2));
    p.drawRect(QRectF(cell * 0.7, cell * 2.1, cell * 1.2, cell * 1.2));
    p.setBrush(QColor(0x50, 0x50, 0x50));
    p.drawRect(QRectF(cell * 2.1, cell * 2.1, cell * 1.2, cell * 1.2));
    return pixmap;
}
