#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TitlePanel;
struct AppState;
class Prompts;

// Creates a new configuration folder under PROJECTS and makes it active.
class TFNew_Project : public QDialog
{
    Q_OBJECT
public:
    TFNew_Project(AppState &state, Prompts &prompts, QWidget *parent = nullptr);

    void Set_Lang();
    void Btn_OKClick();

    TitlePanel *P_Title;
    QLabel *Label1;
    QLineEdit *E_New_Proj;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppState &m_state;
    Prompts &m_prompts;
};
