#pragma once

#include "comm/ParGenFile.h"

#include <QDialog>

#include <array>
#include <initializer_list>
#include <vector>

class CategoryPanel;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QWheelEvent;
class TitlePanel;
struct AppState;
struct Ports;

// The communication parameters of the active configuration in four collapsible
// panels: Ethernet Connection, OPC UA Server, PROFINET, NTP. Every opening reads
// ParGen.xml into the fields; OK checks them, rewrites the file and closes;
// Cancel closes without writing.
class TFParGen : public QDialog
{
    Q_OBJECT
public:
    using ByteRow = std::array<QLineEdit *, 4>;

    TFParGen(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();
    void FormShow();
    void Btn_OKClick();
    bool Controllo_Dati();
    void Move_GroupBoxs();

    // The values of the fields, as OK writes them.
    ParGen::Values fieldValues() const;

    void setVisible(bool visible) override;

    TitlePanel *P_Title;
    QScrollArea *CPG;
    CategoryPanel *CP_Ethernet_Connection;
    CategoryPanel *CP_OPC_UA_Server;
    CategoryPanel *CP_PROFINET;
    CategoryPanel *CP_NTP;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel;

    // 1 Ethernet Connection
    QLabel *L_EthConn_Device_Name;
    QLineEdit *E_EthConn_Device_Name;
    QCheckBox *CB_EthConn_En_DHCP_Cable;
    QCheckBox *CB_EthConn_En_DHCP_WiFi;
    QCheckBox *CB_EthConn_Enable_DNS;
    QLabel *L_EthConn_Primary_DNS;
    ByteRow E_EthConn_Pri_DNS_IP; // E_EthConn_Pri_DNS_IP1 … 4
    QLabel *L_EthConn_Secondary_DNS;
    ByteRow E_EthConn_Sec_DNS_IP; // E_EthConn_Sec_DNS_IP1 … 4

    // 2 OPC UA Server
    QLabel *L_OPC_UA_Server_IP;
    ByteRow E_OPC_UA_Server_IP;
    QLabel *L_OPC_UA_Server_SM;
    ByteRow E_OPC_UA_Server_SM;
    QCheckBox *CB_OPC_UA_Server_En_GAT;
    ByteRow E_OPC_UA_Server_GAT;
    QLabel *L_OPC_UA_Server_Port;
    QLineEdit *E_OPC_UA_Server_Port;
    QCheckBox *L_OPC_UA_Server_Reset_Inactivity;
    QLineEdit *E_OPC_UA_Server_Reset_Inactivity;

    // 3 PROFINET
    QLabel *L_PROFINET_IP;
    ByteRow E_PROFINET_IP;
    QLabel *L_PROFINET_SM;
    ByteRow E_PROFINET_SM;
    QCheckBox *CB_PROFINET_GAT;
    ByteRow E_PROFINET_GAT;
    QLabel *L_PROFINET_TunnelPort;
    QLineEdit *E_PROFINET_TunnelPort;
    QLabel *L_PROFINET_NameStation;
    QLineEdit *E_PROFINET_NameStation;
    QLabel *L_PROFINET_NByte_In;
    QLineEdit *E_PROFINET_NByte_In;
    QLabel *L_PROFINET_NByte_Out;
    QLineEdit *E_PROFINET_NByte_Out;
    QCheckBox *CB_PROFINET_Diagnostic;
    QLineEdit *E_PROFINET_Diagnostic;

    // 4 NTP
    QLabel *L_NTP_Server_URL;
    QLineEdit *E_NTP_Server_URL;
    QLabel *L_NTP_Poll_Time;
    QLineEdit *E_NTP_Poll_Time;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One caption and one hint of the language table for a control (-1: none).
    struct LangText
    {
        QWidget *control;
        int caption;
        int hint;
    };

    void FormCreate();
    void Order_TAB_Panels();
    void RePosition_Objects();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_OPC_UA_Server();
    void RePosition_Object_PROFINET();
    void RePosition_Object_NTP();
    void On_Click(QCheckBox *box);
    bool KeyPress(QLineEdit *field, QKeyEvent *event);
    bool FormMouseWheel(QWheelEvent *event);

    QLabel *makeLabel(QWidget *body, const char *name, int row, int caption);
    QLineEdit *makeEdit(QWidget *body, const char *name, ParGen::Field field, int row, int width, int hint);
    QCheckBox *makeBox(QWidget *body, const char *name, ParGen::Field field, int row, int width, int caption,
                       int hint);
    ByteRow makeByteRow(QWidget *body, const char *name, ParGen::Field first, int row, int firstHint);
    void chain(std::initializer_list<ByteRow> rows);
    void setAddressFieldsEnabled(std::initializer_list<ByteRow> rows, bool enabled);
    static void fitPanel(CategoryPanel *panel, const QWidget *lowestField);
    void showValues(const ParGen::Values &values);

    AppState &m_state;
    Ports &m_ports;
    std::array<QLineEdit *, ParGen::FieldCount> m_edits{};
    std::array<QCheckBox *, ParGen::FieldCount> m_boxes{};
    std::vector<LangText> m_texts;
    std::vector<std::pair<QLineEdit *, QLineEdit *>> m_nextByte; // "." moves from first to second
    QString m_unreadableFile; // the file that did not parse at this opening
    int m_wheelRemainder = 0;
};
