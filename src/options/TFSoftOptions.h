#pragma once

#include <QDialog>

#include <functional>

struct AppState;
struct Ports;

class TFSoftOptions : public QDialog
{
    Q_OBJECT
public:
    TFSoftOptions(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();

    // Re-labels every open form after a language change (the main window's Change_Language).
    std::function<void()> Change_Language;

private:
    AppState &m_state;
    Ports &m_ports;
};
