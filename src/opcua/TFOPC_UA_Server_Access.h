#pragma once

#include <QDialog>

struct AppState;
struct Ports;

class TFOPC_UA_Server_Access : public QDialog
{
    Q_OBJECT
public:
    TFOPC_UA_Server_Access(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();

private:
    AppState &m_state;
    Ports &m_ports;
};
