#pragma once

#include "update/DeviceAddress.h"
#include "update/DeviceCheck.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TitlePanel;
struct AppState;
struct Ports;

// The device update dialog: the device's address, what to update and whether the
// updater reads it back; the update button checks that the device answers, writes
// the updater's parameter file and runs the updater.
class TFBoot : public QDialog
{
    Q_OBJECT
public:
    TFBoot(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();
    // Lays the dialog out and fills it from the remembered values (on every showing).
    void FormShow();
    // A key typed into an address field: "." moves on to the next field and is
    // never inserted. True when the key is discarded.
    bool KeyPress(QLineEdit *Sender, const QString &Key);
    void Btn_UpdateClick();

    // How the device check tells time and waits; tests replace it.
    void setPingTiming(DeviceCheck::Timing timing);

    int Form_Type = 1;

    TitlePanel *P_Title;
    QFrame *P_IP_Address;
    QLabel *L_IP_Address;
    QLineEdit *E_IP1;
    QLineEdit *E_IP2;
    QLineEdit *E_IP3;
    QLineEdit *E_IP4;
    QFrame *P_Options;
    QLabel *L_Update_Option;
    QComboBox *CB_Update_Options;
    QCheckBox *CB_Update_Option_Read_Back;
    QFrame *P_Button;
    QPushButton *Btn_Cancel;
    QPushButton *Btn_Update;

public slots:
    // Closing the dialog while the device check runs also ends the check.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOutPanels();
    AddressFields addressFields() const;

    AppState &m_state;
    Ports &m_ports;
    DeviceCheck m_check;
    QLineEdit *m_fields[4];
};
