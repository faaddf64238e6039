#include "common/TitlePanel.h"

#include "common/Product.h"

#include <QLabel>
#include <QVBoxLayout>

TitlePanel::TitlePanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("P_Title"));
    setFixedHeight(69);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#P_Title { background-color: #FFFFFF; border-bottom: 1px solid #E0DCC8; }"));

    L_SW_Code = new QLabel(Product::SW_Code, this);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    styleCode(L_SW_Code);

    L_SW_Desc = new QLabel(this);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    QFont descFont = L_SW_Desc->font();
    descFont.setBold(true);
    L_SW_Desc->setFont(descFont);
    L_SW_Desc->setStyleSheet(QStringLiteral("color: #505050;"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 4, 16, 6);
    layout->setSpacing(0);
    layout->addWidget(L_SW_Code);
    layout->addWidget(L_SW_Desc);
}

void TitlePanel::styleCode(QLabel *label)
{
    QFont font = label->font();
    font.setPixelSize(32);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #8C8C8C;"));
}
