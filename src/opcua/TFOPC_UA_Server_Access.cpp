#include "opcua/TFOPC_UA_Server_Access.h"

#include "app/AppState.h"
#include "common/FormStyle.h"
#include "common/Ports.h"

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    setObjectName(QStringLiteral("TFOPC_UA_Server_Access"));
    FormStyle::applyForm(this);
    Set_Lang();
}

void TFOPC_UA_Server_Access::Set_Lang()
{
    setWindowTitle(m_state.tr(1400));
}
