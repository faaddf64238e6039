#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class ClickableLabel;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFSoftOptions;
class TFParGen;
class TFOPC_UA_Server_Access;
class TFBoot;
class TFProfinetFileName;
struct AppState;
struct Ports;

// The main window: the five workflow steps, the active configuration, the
// version-check link and the three buttons at the top right.
class TFTesseraeFirmWare : public QWidget
{
    Q_OBJECT
public:
    // FormCreate: the start-up. exeFolder is the folder of the executable.
    TFTesseraeFirmWare(AppState &state, Ports &ports, const QString &exeFolder, QWidget *parent = nullptr);

    // Creates the other forms, in the program's order; each labels itself.
    void createForms();

    void Btn_Click(QPushButton *sender);
    void Create_New_Project();
    void Open_Project();
    void Set_Lang();
    void Change_Language();
    void Update_Device();
    void PROFINET_XML();
    void Timer_UpdateTimer();
    // Switches Timer_Update on exactly while both internet options are set.
    void Update_Timer_State();
    // Writes the settings file; a failure is shown.
    void Save_Setting();

    QLabel *L_SW_Code;
    QLabel *L_SW_Desc;
    ClickableLabel *LL_Update;
    QPushButton *Btn_Info;
    QPushButton *Btn_Opz;
    QPushButton *Btn_Close;
    QFrame *Shape2;
    QLabel *L_Name_Conf;
    QLabel *L_Name_Conf_L2;
    QLabel *L_Begin;
    QLabel *L_Step[5];
    QPushButton *Btn_New;
    QPushButton *Btn_Open;
    QPushButton *Btn_Prm_Gen;
    QPushButton *Btn_OPC_UA_Server_Access;
    QPushButton *Btn_PROFINET_XML;
    QPushButton *Btn_CreateBin;
    ClickableLabel *L_Korvell;
    QFrame *Shape1;
    QTimer *Timer_Update;

    TFNew_Project *FNew_Project = nullptr;
    TFOpenConf *FOpenConf = nullptr;
    TFAbout *FAbout = nullptr;
    TFSoftOptions *FSoftOptions = nullptr;
    TFParGen *FParGen = nullptr;
    TFOPC_UA_Server_Access *FOPC_UA_Server_Access = nullptr;
    TFBoot *FBoot = nullptr;
    TFProfinetFileName *FProfinetFileName = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showConfigurationLabels();

    AppState &m_state;
    Ports &m_ports;
};
