#include "comm/CategoryPanel.h"
#include "comm/ParGenRules.h"
#include "comm/TFParGen.h"
#include "common/TitlePanel.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

using namespace ParGen;

namespace {

// Types text into a field key by key, as the user would.
void type(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

void backspace(QLineEdit *field)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
}

void wheel(QWidget *target, int delta)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

class ParGenEditor : public ::testing::Test
{
protected:
    ParGenEditor() { folders.makeConfiguration(QStringLiteral("Line A")); }

    QString file() const { return folders.state.File_ParGen; }
    QByteArray fileBytes() const { return TestFolders::readFile(file()); }
    void writeParameters(const QByteArray &xml) { folders.writeFile(file(), xml); }
    QString message(int entry) const { return ruleMessage(folders.state.Lang_Table, entry); }

    // The 24 address fields that the cable DHCP box disables.
    std::vector<QLineEdit *> addressFields() const
    {
        std::vector<QLineEdit *> list;
        for (const TFParGen::ByteRow &row : {dlg.E_OPC_UA_Server_IP, dlg.E_OPC_UA_Server_SM, dlg.E_OPC_UA_Server_GAT,
                                             dlg.E_PROFINET_IP, dlg.E_PROFINET_SM, dlg.E_PROFINET_GAT})
            list.insert(list.end(), row.begin(), row.end());
        return list;
    }

    TestFolders folders;
    ScriptedPorts ports;
    TFParGen dlg{folders.state, ports.ports};
};

} // namespace

TEST_F(ParGenEditor, NewConfigurationOpensWithDefaultsAndOkNeedsAPollTime)
{
    dlg.show();
    EXPECT_EQ(dlg.fieldValues(), defaults());
    EXPECT_EQ(dlg.E_OPC_UA_Server_IP[3]->text(), QStringLiteral("10"));
    EXPECT_EQ(dlg.E_PROFINET_NameStation->text(), QStringLiteral("devicename1"));

    dlg.Btn_OK->click();
    ASSERT_EQ(ports.prompts.shown.size(), 1);
    EXPECT_EQ(ports.prompts.shown[0].kind, ScriptedPrompts::Shown::Error);
    EXPECT_EQ(ports.prompts.last(), message(1092));
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_TRUE(dlg.isVisible());

    type(dlg.E_NTP_Poll_Time, QStringLiteral("60"));
    dlg.Btn_OK->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    Values expected = defaults();
    expected.texts[NTP_Poll_Time] = QStringLiteral("60");
    EXPECT_EQ(fileBytes(), document(expected, nullptr));
}

TEST_F(ParGenEditor, CableDhcpDisablesTheAddressFieldsWhichKeepTheirTexts)
{
    writeParameters("<Par_Gen><OPC_UA_Server_IP1>300</OPC_UA_Server_IP1><NTP_Poll_Time>60</NTP_Poll_Time>"
                    "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi></Par_Gen>");
    dlg.show();
    EXPECT_TRUE(dlg.CB_EthConn_En_DHCP_WiFi->isVisible());
    EXPECT_FALSE(dlg.CB_EthConn_En_DHCP_WiFi->isEnabled());
    EXPECT_FALSE(dlg.CB_EthConn_En_DHCP_WiFi->isChecked());
    EXPECT_FALSE(dlg.CB_PROFINET_Diagnostic->isVisible());
    EXPECT_FALSE(dlg.E_PROFINET_Diagnostic->isVisible());

    dlg.CB_EthConn_En_DHCP_Cable->click();
    for (QLineEdit *field : addressFields())
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.CB_OPC_UA_Server_En_GAT, dlg.E_OPC_UA_Server_Port,
                                                       dlg.E_EthConn_Pri_DNS_IP[0], dlg.CB_PROFINET_GAT})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(dlg.E_OPC_UA_Server_IP[0]->text(), QStringLiteral("300"));

    // A disabled field is still checked.
    dlg.Btn_OK->click();
    EXPECT_EQ(ports.prompts.last(), message(922));
    dlg.E_OPC_UA_Server_IP[0]->setText(QStringLiteral("10"));
    dlg.Btn_OK->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(fileBytes().contains("<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"));
    EXPECT_TRUE(fileBytes().contains("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"));
    EXPECT_TRUE(fileBytes().contains("<OPC_UA_Server_IP1>10</OPC_UA_Server_IP1>"));

    dlg.show(); // the file now holds DHCP: the fields open disabled
    EXPECT_FALSE(dlg.E_PROFINET_GAT[3]->isEnabled());
    dlg.CB_EthConn_En_DHCP_Cable->click();
    for (QLineEdit *field : addressFields())
        EXPECT_TRUE(field->isEnabled()) << field->objectName().toStdString();
}

TEST_F(ParGenEditor, DotKeyMovesAlongTheByteChains)
{
    dlg.show();
    struct Case
    {
        const char *what;
        QLineEdit *from;
        QLineEdit *to; // nullptr: the focus stays
        std::function<void()> before;
    };
    const Case cases[] = {
        {"within a row", dlg.E_EthConn_Pri_DNS_IP[0], dlg.E_EthConn_Pri_DNS_IP[1], {}},
        {"primary into secondary DNS", dlg.E_EthConn_Pri_DNS_IP[3], dlg.E_EthConn_Sec_DNS_IP[0], {}},
        {"end of the DNS chain", dlg.E_EthConn_Sec_DNS_IP[3], nullptr, {}},
        {"mask into gateway, box clear", dlg.E_OPC_UA_Server_SM[3], dlg.E_OPC_UA_Server_GAT[0], {}},
        {"end of the OPC UA chain", dlg.E_OPC_UA_Server_GAT[3], nullptr, {}},
        {"address into mask", dlg.E_PROFINET_IP[3], dlg.E_PROFINET_SM[0], {}},
        {"end of the PROFINET chain", dlg.E_PROFINET_GAT[3], nullptr, {}},
        {"next field disabled", dlg.E_PROFINET_SM[3], nullptr, [this] { dlg.E_PROFINET_GAT[0]->setEnabled(false); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.before)
            c.before();
        c.from->setFocus();
        const QString before = c.from->text();
        type(c.from, QStringLiteral("."));
        EXPECT_EQ(dlg.focusWidget(), c.to ? c.to : c.from);
        EXPECT_EQ(c.from->text(), before);
    }

    // Anything else is typed as it comes; the check on OK rejects it.
    dlg.E_PROFINET_IP[0]->setFocus();
    dlg.E_PROFINET_IP[0]->end(false);
    type(dlg.E_PROFINET_IP[0], QStringLiteral("ab"));
    EXPECT_EQ(dlg.E_PROFINET_IP[0]->text(), QStringLiteral("192ab"));
}

TEST_F(ParGenEditor, TypingLimitsAndLowerCaseStationName)
{
    writeParameters("<Par_Gen><PROFINET_NAME_STA>Station-From-An-Older-Tool</PROFINET_NAME_STA></Par_Gen>");
    dlg.show();
    // A text read from the file is shown as it stands, and can be shortened.
    EXPECT_EQ(dlg.E_PROFINET_NameStation->text(), QStringLiteral("Station-From-An-Older-Tool"));
    dlg.E_PROFINET_NameStation->end(false);
    type(dlg.E_PROFINET_NameStation, QStringLiteral("X"));
    EXPECT_EQ(dlg.E_PROFINET_NameStation->text(), QStringLiteral("Station-From-An-Older-Tool"));
    backspace(dlg.E_PROFINET_NameStation);
    EXPECT_EQ(dlg.E_PROFINET_NameStation->text(), QStringLiteral("Station-From-An-Older-Too"));

    dlg.E_PROFINET_NameStation->clear();
    type(dlg.E_PROFINET_NameStation, QStringLiteral("PLC-Line\u00c4-ABCDEFGH"));
    EXPECT_EQ(dlg.E_PROFINET_NameStation->text(), QStringLiteral("plc-line\u00e4-abcde"));

    dlg.E_EthConn_Device_Name->clear();
    type(dlg.E_EthConn_Device_Name, QString(40, u'N'));
    EXPECT_EQ(dlg.E_EthConn_Device_Name->text(), QString(31, u'N'));
}

TEST_F(ParGenEditor, RefusedOkAndCancelLeaveTheFileAsItWas)
{
    const QByteArray original = "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time><PROFINET_NB_IN>100</PROFINET_NB_IN></Par_Gen>";
    writeParameters(original);
    dlg.show();
    dlg.E_PROFINET_NByte_In->setText(QStringLiteral("1439"));
    dlg.E_NTP_Server_URL->setText(QStringLiteral("pool.example"));
    dlg.Btn_OK->click();
    EXPECT_EQ(ports.prompts.last(), message(1107));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.E_PROFINET_NByte_In->text(), QStringLiteral("1439"));
    dlg.Btn_Cancel->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(fileBytes(), original);

    dlg.show();
    EXPECT_EQ(dlg.E_PROFINET_NByte_In->text(), QStringLiteral("100"));
    EXPECT_EQ(dlg.E_NTP_Server_URL->text(), QString());
}

TEST_F(ParGenEditor, UnreadableFileIsReportedKeptAndNeverReplaced)
{
    // At the first opening the fields hold their design values.
    const QByteArray broken = "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time>\n<PROFINET_NB_IN>5</Par_Gen>";
    writeParameters(broken);
    dlg.show();
    ASSERT_EQ(ports.prompts.shown.size(), 1);
    EXPECT_EQ(ports.prompts.shown[0].kind, ScriptedPrompts::Shown::GeneralError);
    EXPECT_TRUE(ports.prompts.last().startsWith(file() + QStringLiteral(": "))) << ports.prompts.last().toStdString();
    EXPECT_TRUE(ports.prompts.last().contains(QStringLiteral("line 2")));
    EXPECT_EQ(dlg.fieldValues(), designValues());
    dlg.reject();

    // Later the fields keep what the last good opening showed.
    writeParameters("<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time><PROFINET_NB_IN>100</PROFINET_NB_IN></Par_Gen>");
    dlg.show();
    dlg.reject();
    writeParameters(broken);
    ports.prompts.clear();
    dlg.show();
    EXPECT_EQ(dlg.E_PROFINET_NByte_In->text(), QStringLiteral("100"));
    dlg.E_PROFINET_NByte_Out->setText(QStringLiteral("20"));

    dlg.Btn_OK->click();
    EXPECT_EQ(ports.prompts.shown.size(), 2);
    EXPECT_EQ(ports.prompts.shown[1].kind, ScriptedPrompts::Shown::GeneralError);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(fileBytes(), broken);

    // Once the file reads again, OK stores the fields.
    writeParameters("<Par_Gen/>");
    dlg.Btn_OK->click();
    EXPECT_FALSE(dlg.isVisible());
    const ReadResult stored = read(file());
    EXPECT_EQ(stored.values.text(PROFINET_NB_IN), QStringLiteral("100"));
    EXPECT_EQ(stored.values.text(PROFINET_NB_OUT), QStringLiteral("20"));
}

TEST_F(ParGenEditor, FailedWriteIsReportedAndTheDialogStaysOpen)
{
    const QByteArray original = "<Par_Gen><NTP_Poll_Time>60</NTP_Poll_Time></Par_Gen>";
    writeParameters(original);
    dlg.show();
    const QString unstorable = QStringLiteral("dev") + QChar(0x07);
    dlg.E_EthConn_Device_Name->setText(unstorable);
    dlg.Btn_OK->click();
    EXPECT_EQ(ports.prompts.shown.size(), 1);
    EXPECT_EQ(ports.prompts.shown[0].kind, ScriptedPrompts::Shown::GeneralError);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.E_EthConn_Device_Name->text(), unstorable);
    EXPECT_EQ(fileBytes(), original);

    // The configuration folder went away while the dialog was open.
    dlg.E_EthConn_Device_Name->setText(QStringLiteral("dev"));
    ASSERT_TRUE(QDir(folders.state.Conf_Folder).removeRecursively());
    dlg.Btn_OK->click();
    EXPECT_EQ(ports.prompts.shown.size(), 2);
    EXPECT_TRUE(ports.prompts.last().contains(file())) << ports.prompts.last().toStdString();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.E_EthConn_Device_Name->text(), QStringLiteral("dev"));
}

TEST_F(ParGenEditor, WindowWidthCollapsedPanelsAndWheel)
{
    dlg.show();
    EXPECT_EQ(dlg.width(), 460);
    EXPECT_EQ(dlg.height(), 700);
    dlg.resize(700, 420);
    EXPECT_EQ(dlg.width(), 460);
    EXPECT_EQ(dlg.height(), 420);

    // A collapsed panel stays collapsed at the next opening.
    EXPECT_FALSE(dlg.CP_OPC_UA_Server->isCollapsed());
    dlg.CP_OPC_UA_Server->setCollapsed(true);
    dlg.reject();
    dlg.show();
    EXPECT_TRUE(dlg.CP_OPC_UA_Server->isCollapsed());
    EXPECT_FALSE(dlg.E_OPC_UA_Server_Port->isVisible());
    dlg.CP_OPC_UA_Server->setCollapsed(false);
    QApplication::processEvents();

    // The wheel scrolls the panel group by lines while the pointer is over it.
    QScrollBar *bar = dlg.CPG->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int step = qMin(bar->maximum(), QApplication::wheelScrollLines() * bar->singleStep());
    wheel(dlg.CPG->viewport(), -120);
    EXPECT_EQ(bar->value(), step);
    wheel(dlg.CPG->viewport(), 120);
    EXPECT_EQ(bar->value(), 0);
    wheel(dlg.P_Title, -120);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ParGenEditor, LanguageChangeRelabelsAllButThePanelHeadings)
{
    const QString heading = dlg.CP_Ethernet_Connection->heading();
    EXPECT_TRUE(heading.startsWith(QStringLiteral("1. ")));
    EXPECT_TRUE(dlg.CP_NTP->heading().startsWith(QStringLiteral("4. ")));
    folders.state.Lang_Table.applyLanguageText(QStringLiteral("STR1151 = \u00b6Verbindung\u00b6\n"
                                                              "STR1152 = \u00b6Ger\u00e4tename\u00b6\n"
                                                              "STR402 = \u00b6Speichern\u00b6\n"
                                                              "STR683 = \u00b6Tunnel-Port\u00b6\n"));
    dlg.Set_Lang();
    EXPECT_EQ(dlg.L_EthConn_Device_Name->text(), QStringLiteral("Ger\u00e4tename"));
    EXPECT_EQ(dlg.Btn_OK->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(dlg.E_PROFINET_TunnelPort->toolTip(), QStringLiteral("Tunnel-Port"));
    EXPECT_EQ(dlg.CP_Ethernet_Connection->heading(), heading);
}
