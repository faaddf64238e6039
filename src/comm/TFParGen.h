#pragma once

#include <QDialog>

struct AppState;
struct Ports;

class TFParGen : public QDialog
{
    Q_OBJECT
public:
    TFParGen(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();

private:
    AppState &m_state;
    Ports &m_ports;
};
