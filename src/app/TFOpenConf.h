#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class TitlePanel;
struct AppState;

// Lists the configurations under PROJECTS and lets the user pick one.
class TFOpenConf : public QDialog
{
    Q_OBJECT
public:
    explicit TFOpenConf(AppState &state, QWidget *parent = nullptr);

    void Set_Lang();
    // Fills the list and pre-selects the active configuration (or the first one).
    void FormShow();

    QString Name_Conf; // the chosen name; empty until one was chosen in this dialog
    QStringList Conf_List;

    TitlePanel *P_Title;
    QLabel *Label1;
    QListWidget *ListBox1;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ListBox1Click();

    AppState &m_state;
};
