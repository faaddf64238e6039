#pragma once

#include <QDialog>

struct AppState;
struct Ports;

class TFProfinetFileName : public QDialog
{
    Q_OBJECT
public:
    TFProfinetFileName(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();
    QString Name_File_XML;
private:
    AppState &m_state;
    Ports &m_ports;
};
