#pragma once

#include <QWidget>

// A panel of a scrolling panel group: a header with the heading and an
// expand/collapse mark, and a body whose controls sit at fixed places. A click on
// the header collapses the panel to its header or expands it again.
class CategoryPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int HeaderHeight = 24;

    explicit CategoryPanel(QWidget *parent = nullptr);

    void setHeading(const QString &heading);
    QString heading() const { return m_heading; }

    // The parent of the panel's controls; its top edge lies below the header.
    QWidget *body() const { return m_body; }

    // The height of the expanded panel, header included.
    void setExpandedHeight(int height);
    int expandedHeight() const { return m_expandedHeight; }

    bool isCollapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyHeight();
    QRect headerRect() const { return QRect(0, 0, width(), HeaderHeight); }

    QWidget *m_body;
    QString m_heading;
    int m_expandedHeight = HeaderHeight;
    bool m_collapsed = false;
    bool m_hot = false;
};
