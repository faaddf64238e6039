#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;
class ClickableLabel;
class TitlePanel;
struct AppState;
struct Ports;

// The software options: the interface language, the internet options with the
// version check, and two table preferences. Nothing is written here; after OK
// the main window saves the settings and sets its timer.
class TFSoftOptions : public QDialog
{
    Q_OBJECT
public:
    TFSoftOptions(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();
    // Each showing starts again from the stored values.
    void FormShow();
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    // The handler of both paging buttons.
    void Btn_NextClick(QPushButton *sender);
    // The handler of the twelve slot controls; slot 1 to 6.
    void LangClick(int slot);
    void Update_CheckBox();
    void Btn_Check_UpdateClick();
    void LL_Check_UpdateLinkClick();
    void Btn_OKClick();

    // Re-labels every open form after a language change (the main window's Change_Language).
    std::function<void()> Change_Language;

    TitlePanel *P_Title;
    QTabWidget *PC_Options;
    QWidget *TS_Language;
    QWidget *TS_Con_Options;
    QWidget *TS_Soft_Settings;
    QLabel *L_Sel_Lang;
    ClickableLabel *I_L[6]; // I_L1 .. I_L6: flags
    ClickableLabel *L_L[6]; // L_L1 .. L_L6: language names
    QLabel *L_Page_Lang;
    QPushButton *Btn_Prev;
    QPushButton *Btn_Next;
    QCheckBox *CB_En_Con;
    QCheckBox *CB_Update;
    QPushButton *Btn_Check_Update;
    ClickableLabel *LL_Check_Update;
    QCheckBox *CB_Soft_Set_Jump_Table;
    QCheckBox *CB_DoubleClick_Auto_Size;
    QFrame *P_Button;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel;

    QStringList SL_Languages; // language file names, with extension
    int Show_Page = 1;
    QString Language_In_Use;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum class CheckResult { NotAsked, Newer, NoUpdate };

    void showSelection();
    void showCheckResult();
    void showFlag(ClickableLabel *picture, const QString &language);

    AppState &m_state;
    Ports &m_ports;
    CheckResult m_checkResult = CheckResult::NotAsked;
};
