#include "update/TFBoot.h"

#include "app/AppState.h"
#include "common/FormStyle.h"
#include "common/Ports.h"

TFBoot::TFBoot(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    setObjectName(QStringLiteral("TFBoot"));
    FormStyle::applyForm(this);
    Set_Lang();
}

void TFBoot::Set_Lang()
{
    setWindowTitle(m_state.tr(1202));
}
