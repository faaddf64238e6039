#include "app/TFAbout.h"

#include "common/ClickableLabel.h"
#include "common/FormStyle.h"
#include "common/LinkOpener.h"
#include "common/Logo.h"
#include "common/Product.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFAbout::TFAbout(LinkOpener &links, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("About..."));
    FormStyle::applyForm(this);

    auto *logo = new ClickableLabel(this);
    logo->setObjectName(QStringLiteral("I_Logo"));
    logo->setPixmap(makerLogo(96));
    logo->setCursor(Qt::PointingHandCursor);

    auto *heading = new QLabel(QStringLiteral("Software Tessera "), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPixelSize(13);
    heading->setFont(bold);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(new QLabel(Product::SW_Desc, this), 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Software Code : "), this), 2, 0);
    grid->addWidget(new QLabel(Product::SW_Code, this), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Version :"), this), 3, 0);
    grid->addWidget(new QLabel(Product::SW_Version, this), 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Document Code :"), this), 4, 0);
    grid->addWidget(new QLabel(Product::Document_Code, this), 4, 1);

    auto *link = new ClickableLabel(Product::makerAddress(), this);
    link->setObjectName(QStringLiteral("LL_Web"));
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    grid->addWidget(link, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Btn_OK"));
    FormStyle::applyButton(ok);
    ok->setMinimumSize(80, 26);
    ok->setDefault(true);

    auto *right = new QVBoxLayout;
    right->addLayout(grid);
    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    right->addLayout(okRow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(logo, 0, Qt::AlignTop);
    layout->addSpacing(10);
    layout->addLayout(right, 1);
    setFixedSize(425, 148);

    auto openHome = [&links] { links.openLink(Product::homePageUrl()); };
    connect(logo, &ClickableLabel::clicked, this, openHome);
    connect(link, &ClickableLabel::clicked, this, openHome);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
