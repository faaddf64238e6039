#include "comm/CategoryPanel.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

CategoryPanel::CategoryPanel(QWidget *parent)
    : QWidget(parent)
    , m_body(new QWidget(this))
{
    m_body->setObjectName(QStringLiteral("body"));
    setMouseTracking(true);
    applyHeight();
}

void CategoryPanel::setHeading(const QString &heading)
{
    m_heading = heading;
    update(headerRect());
}

void CategoryPanel::setExpandedHeight(int height)
{
    m_expandedHeight = qMax(height, int(HeaderHeight));
    applyHeight();
}

void CategoryPanel::setCollapsed(bool collapsed)
{
    if (m_collapsed == collapsed)
        return;
    m_collapsed = collapsed;
    applyHeight();
    update(headerRect());
}

void CategoryPanel::applyHeight()
{
    m_body->setVisible(!m_collapsed);
    setFixedHeight(m_collapsed ? int(HeaderHeight) : m_expandedHeight);
}

void CategoryPanel::resizeEvent(QResizeEvent *event)
{
    m_body->setGeometry(0, HeaderHeight, width(), qMax(0, m_expandedHeight - HeaderHeight));
    QWidget::resizeEvent(event);
}

void CategoryPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && headerRect().contains(event->position().toPoint())) {
        setCollapsed(!m_collapsed);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

bool CategoryPanel::event(QEvent *event)
{
    // The header lights up under the mouse, like the buttons do.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave) {
        const bool hot = event->type() == QEvent::MouseMove
                         && headerRect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (hot != m_hot) {
            m_hot = hot;
            setCursor(hot ? Qt::PointingHandCursor : Qt::ArrowCursor);
            update(headerRect());
        }
    }
    return QWidget::event(event);
}

void CategoryPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect header = headerRect();

    QLinearGradient fill(header.topLeft(), header.bottomLeft());
    fill.setColorAt(0, m_hot ? QColor(0xFF, 0xEC, 0xD2) : QColor(0xF2, 0xEF, 0xDF));
    fill.setColorAt(1, m_hot ? QColor(0xFF, 0xDA, 0xAE) : QColor(0xE0, 0xDB, 0xC2));
    p.fillRect(header, fill);
    p.setPen(QColor(0xC8, 0xC4, 0xB0));
    p.drawLine(header.bottomLeft(), header.bottomRight());
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));

    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(header.adjusted(10, 0, -30, 0), Qt::AlignVCenter | Qt::AlignLeft, m_heading);

    // The mark: a chevron pointing up while expanded (a click collapses), down while collapsed.
    const QPointF c(header.right() - 15.5, header.center().y() + 0.5);
    const qreal d = m_collapsed ? 2.5 : -2.5;
    QPainterPath chevron;
    chevron.moveTo(c.x() - 5, c.y() - d);
    chevron.lineTo(c.x(), c.y() + d);
    chevron.lineTo(c.x() + 5, c.y() - d);
    p.setPen(QPen(m_hot ? QColor(0xFF, 0x80, 0x00) : QColor(0x70, 0x6C, 0x5C), 2));
    p.drawPath(chevron);
}
