#include "common/FormStyle.h"

#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace FormStyle {

void applyForm(QWidget *form)
{
    QPalette p = form->palette();
    p.setColor(QPalette::Window, Face);
    form->setPalette(p);
    form->setAutoFillBackground(true);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(11);
    form->setFont(f);
}

void applyButton(QPushButton *button)
{
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #F8F7ED; border: 1px solid #C8C4B0; border-radius: 3px; padding: 2px 8px; }"
        "QPushButton:hover { background-color: #FFE0B8; border-color: #FF8000; }"
        "QPushButton:pressed { background-color: #FF8000; color: white; }"
        "QPushButton:disabled { color: #A0A0A0; border-color: #DDDDDD; }"
        "QPushButton:focus { border-color: #FF8000; }"));
}

void fitCaption(QPushButton *button)
{
    QFont font = button->parentWidget() ? button->parentWidget()->font() : button->font();
    const int room = button->width() - (button->icon().isNull() ? 0 : button->iconSize().width() + 4) - 20;
    int size = font.pixelSize() > 0 ? font.pixelSize() : 11;
    font.setPixelSize(size);
    while (size > 9 && QFontMetrics(font).horizontalAdvance(button->text()) > room)
        font.setPixelSize(--size);
    button->setFont(font);
}

} // namespace FormStyle
