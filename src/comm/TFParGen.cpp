#include "comm/TFParGen.h"

#include "app/AppState.h"
#include "common/FormStyle.h"
#include "common/Ports.h"

TFParGen::TFParGen(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    setObjectName(QStringLiteral("TFParGen"));
    FormStyle::applyForm(this);
    Set_Lang();
}

void TFParGen::Set_Lang()
{
    setWindowTitle(m_state.tr(400));
}
