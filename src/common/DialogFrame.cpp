#include "common/DialogFrame.h"

#include "common/FormStyle.h"
#include "common/TitlePanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace DialogFrame {

QVBoxLayout *titled(QWidget *dialog, TitlePanel *title)
{
    auto *layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    return layout;
}

OkCancel okCancel(QWidget *parent)
{
    OkCancel buttons{new QPushButton(parent), new QPushButton(parent), new QHBoxLayout};
    buttons.ok->setObjectName(QStringLiteral("Btn_OK"));
    buttons.cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    buttons.row->addStretch();
    for (QPushButton *b : {buttons.ok, buttons.cancel}) {
        FormStyle::applyButton(b);
        b->setAutoDefault(false);
        b->setMinimumSize(90, 28);
        buttons.row->addWidget(b);
    }
    return buttons;
}

} // namespace DialogFrame
