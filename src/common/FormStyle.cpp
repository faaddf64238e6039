#include "common/FormStyle.h"

#include <QFont>
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

} // namespace FormStyle
