#include "options/TFSoftOptions.h"

#include "app/AppState.h"
#include "common/FormStyle.h"
#include "common/Ports.h"

TFSoftOptions::TFSoftOptions(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    setObjectName(QStringLiteral("TFSoftOptions"));
    FormStyle::applyForm(this);
    Set_Lang();
}

void TFSoftOptions::Set_Lang()
{
    setWindowTitle(m_state.tr(300));
}
