#include "gsdml/TFProfinetFileName.h"

#include "app/AppState.h"
#include "common/FormStyle.h"
#include "common/Ports.h"

TFProfinetFileName::TFProfinetFileName(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    setObjectName(QStringLiteral("TFProfinetFileName"));
    FormStyle::applyForm(this);
    Set_Lang();
}

void TFProfinetFileName::Set_Lang()
{
    setWindowTitle(m_state.tr(1600));
}
