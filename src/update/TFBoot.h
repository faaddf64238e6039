#pragma once

#include <QDialog>

struct AppState;
struct Ports;

class TFBoot : public QDialog
{
    Q_OBJECT
public:
    TFBoot(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();
    int Form_Type = 1;
private:
    AppState &m_state;
    Ports &m_ports;
};
