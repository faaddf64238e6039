#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TitlePanel;
struct AppState;
struct Ports;

// Asks for the user's part of the GSDML file name. The fixed first part and the date
// part (the day the program started) stand on either side of it; OK puts the whole
// name into Name_File_XML. The user part stays as typed for the next time.
class TFProfinetFileName : public QDialog
{
    Q_OBJECT
public:
    TFProfinetFileName(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();
    void Btn_OKClick();

    QString Name_File_XML;

    TitlePanel *P_Title;
    QLabel *L_Select_Name;
    QLabel *L_FixPart_1;
    QLabel *L_XML_Fix1;
    QLabel *L_UsedPart;
    QLineEdit *E_XML_User;
    QLabel *L_FixPart_2;
    QLabel *L_XML_Fix2;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppState &m_state;
};
