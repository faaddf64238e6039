#pragma once

#include "opcua/VariableFile.h"

#include <QDialog>

struct AppState;
struct Ports;
class QPushButton;
class QTableView;
class TitlePanel;
class VariableGridDelegate;
class VariableTable;

// The editor of the OPC UA variable list: up to 250 variables in a table, read
// from OPC_UA_Server.xml each time the form is shown, checked against the PROFINET
// byte counts of ParGen.xml on OK and written back.
class TFOPC_UA_Server_Access : public QDialog
{
    Q_OBJECT
public:
    TFOPC_UA_Server_Access(AppState &state, Ports &ports, QWidget *parent = nullptr);

    void Set_Lang();

    // The showing sequence: empty rows, byte counts, the file, no copy available.
    void FormShow();

    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    // The user chose another type in row `row`.
    void ASGComboChange(int row, const QString &type);

    // The row that has the focus (1 when no cell has it).
    int focusedRow() const;

    VariableTable &table() { return *m_table; }
    const ByteCounts &byteCounts() const { return m_counts; }
    bool copyAvailable() const { return Do_Copy; }

    TitlePanel *P_Title;
    QTableView *ASG;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel;
    QPushButton *Btn_DelRow;
    QPushButton *Btn_InsRow;
    QPushButton *Btn_CopyRow;
    QPushButton *Btn_PasteRow;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Init_Table();

    AppState &m_state;
    Ports &m_ports;
    VariableTable *m_table;
    VariableGridDelegate *m_delegate;
    ByteCounts m_counts;
    bool Do_Copy = false;
    bool m_fileUnreadable = false; // the variable file was there but could not be read
};
