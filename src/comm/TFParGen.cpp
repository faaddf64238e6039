#include "comm/TFParGen.h"

#include "app/AppState.h"
#include "comm/CategoryPanel.h"
#include "comm/ParGenRules.h"
#include "common/DialogFrame.h"
#include "common/FormStyle.h"
#include "common/Ports.h"
#include "common/Prompts.h"
#include "common/TitlePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QValidator>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace ParGen;

namespace {

constexpr int kClientWidth = 460;
constexpr int kClientHeight = 700;
constexpr int kButtonBandHeight = 40;

// Places inside a panel: captions in the left column, fields in the right one.
constexpr int kCaptionX = 12;
constexpr int kCaptionWidth = 232;
constexpr int kFieldX = 250;
constexpr int kFieldHeight = 22;
constexpr int kByteWidth = 32;
constexpr int kBytePitch = 42;
constexpr int kWideField = kBytePitch * 3 + kByteWidth; // as wide as an address row
constexpr int kNumberField = 70;
constexpr int kRow = 28; // from one row to the next
constexpr int kPanelMargin = 12;

// One wheel step of the panel group, in pixels.
constexpr int kScrollLine = 16;

int rowTop(int row) { return 8 + row * kRow; }

// Limits what the user can type into a field and, if asked, lower-cases what is
// typed. A text the program puts into the field (read from the file) stays as it
// is, even when longer than the limit; such a text can still be shortened.
class TypedText : public QValidator
{
public:
    TypedText(QLineEdit *field, int maxTyped, bool lowerCase)
        : QValidator(field)
        , m_max(maxTyped)
        , m_lowerCase(lowerCase)
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
    }

    // Puts a text into the field unchanged.
    static void load(QLineEdit *field, const QString &text)
    {
        if (auto *typed = dynamic_cast<TypedText *>(const_cast<QValidator *>(field->validator())))
            typed->m_before = text;
        field->setText(text);
    }

    State validate(QString &input, int &pos) const override
    {
        // What the edit inserted: the part between what it kept at the start and at the end.
        const qsizetype common = qMin(input.size(), m_before.size());
        qsizetype prefix = 0;
        while (prefix < common && input.at(prefix) == m_before.at(prefix))
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < common - prefix
               && input.at(input.size() - 1 - suffix) == m_before.at(m_before.size() - 1 - suffix))
            ++suffix;
        QString inserted = input.mid(prefix, input.size() - prefix - suffix);
        if (inserted.isEmpty())
            return Acceptable;
        if (m_lowerCase)
            inserted = inserted.toLower();
        const qsizetype kept = prefix + suffix;
        if (kept + inserted.size() > m_max && kept + inserted.size() >= m_before.size()) {
            // Only what fits is inserted, like a field with a typing limit does.
            inserted.truncate(qMax<qsizetype>(0, m_max - kept));
            if (inserted.isEmpty() && kept == m_before.size())
                return Invalid;
        }
        const QString result = input.left(prefix) + inserted + input.right(suffix);
        if (result.size() != input.size())
            pos = int(prefix + inserted.size());
        input = result;
        return Acceptable;
    }

private:
    int m_max;
    bool m_lowerCase;
    QString m_before;
};

} // namespace

TFParGen::TFParGen(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
{
    FormCreate();
}

QLabel *TFParGen::makeLabel(QWidget *body, const char *name, int row, int caption)
{
    auto *label = new QLabel(body);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(kCaptionX, rowTop(row), kCaptionWidth, kFieldHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_texts.push_back({label, caption, -1});
    return label;
}

QLineEdit *TFParGen::makeEdit(QWidget *body, const char *name, Field field, int row, int width, int hint)
{
    auto *edit = new QLineEdit(body);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(kFieldX, rowTop(row), width, kFieldHeight);
    m_edits[field] = edit;
    m_texts.push_back({edit, -1, hint});
    return edit;
}

QCheckBox *TFParGen::makeBox(QWidget *body, const char *name, Field field, int row, int width, int caption, int hint)
{
    auto *box = new QCheckBox(body);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(kCaptionX, rowTop(row), width, kFieldHeight);
    m_boxes[field] = box;
    m_texts.push_back({box, caption, hint});
    connect(box, &QCheckBox::clicked, this, [this, box] { On_Click(box); });
    return box;
}

TFParGen::ByteRow TFParGen::makeByteRow(QWidget *body, const char *name, Field first, int row, int firstHint)
{
    ByteRow bytes;
    for (int i = 0; i < 4; ++i) {
        auto *edit = new QLineEdit(body);
        edit->setObjectName(QLatin1String(name) + QString::number(i + 1));
        edit->setGeometry(kFieldX + i * kBytePitch, rowTop(row), kByteWidth, kFieldHeight);
        edit->setAlignment(Qt::AlignCenter);
        edit->installEventFilter(this);
        m_edits[first + i] = edit;
        m_texts.push_back({edit, -1, firstHint + i});
        bytes[i] = edit;
        if (i < 3) {
            auto *dot = new QLabel(QStringLiteral("."), body);
            dot->setGeometry(kFieldX + i * kBytePitch + kByteWidth, rowTop(row), kBytePitch - kByteWidth,
                             kFieldHeight);
            dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        }
    }
    return bytes;
}

void TFParGen::chain(std::initializer_list<ByteRow> rows)
{
    QLineEdit *previous = nullptr;
    for (const ByteRow &row : rows)
        for (QLineEdit *edit : row) {
            if (previous)
                m_nextByte.emplace_back(previous, edit);
            previous = edit;
        }
}

void TFParGen::FormCreate()
{
    setObjectName(QStringLiteral("TFParGen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);

    P_Title = new TitlePanel(this); // shows SW_Code

    CPG = new QScrollArea(this);
    CPG->setObjectName(QStringLiteral("CPG"));
    CPG->setWidgetResizable(true);
    CPG->setFrameShape(QFrame::NoFrame);
    CPG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CPG->verticalScrollBar()->setTracking(true);
    CPG->verticalScrollBar()->setSingleStep(kScrollLine);
    CPG->viewport()->installEventFilter(this);
    auto *stack = new QWidget;
    stack->setObjectName(QStringLiteral("CPG_Stack"));
    auto *stackLayout = new QVBoxLayout(stack);
    stackLayout->setContentsMargins(6, 6, 6, 6);
    stackLayout->setSpacing(4);
    CP_Ethernet_Connection = new CategoryPanel(stack);
    CP_OPC_UA_Server = new CategoryPanel(stack);
    CP_PROFINET = new CategoryPanel(stack);
    CP_NTP = new CategoryPanel(stack);
    CP_Ethernet_Connection->setObjectName(QStringLiteral("CP_Ethernet_Connection"));
    CP_OPC_UA_Server->setObjectName(QStringLiteral("CP_OPC_UA_Server"));
    CP_PROFINET->setObjectName(QStringLiteral("CP_PROFINET"));
    CP_NTP->setObjectName(QStringLiteral("CP_NTP"));
    for (CategoryPanel *panel : {CP_Ethernet_Connection, CP_OPC_UA_Server, CP_PROFINET, CP_NTP})
        stackLayout->addWidget(panel);
    stackLayout->addStretch();
    CPG->setWidget(stack);

    // 1 Ethernet Connection
    QWidget *body = CP_Ethernet_Connection->body();
    L_EthConn_Device_Name = makeLabel(body, "L_EthConn_Device_Name", 0, 1152);
    E_EthConn_Device_Name = makeEdit(body, "E_EthConn_Device_Name", Eth_Conn_Device_Name, 0, kWideField, 1153);
    E_EthConn_Device_Name->setValidator(new TypedText(E_EthConn_Device_Name, 31, false));
    const int boxWidth = kFieldX + kWideField - kCaptionX;
    CB_EthConn_En_DHCP_Cable = makeBox(body, "CB_EthConn_En_DHCP_Cable", Eth_Conn_DHCP_Cable, 1, boxWidth, 1154, 1155);
    CB_EthConn_En_DHCP_WiFi = makeBox(body, "CB_EthConn_En_DHCP_WiFi", Eth_Conn_DHCP_WiFi, 2, boxWidth, 1156, 1157);
    CB_EthConn_Enable_DNS = makeBox(body, "CB_EthConn_Enable_DNS", Eth_Conn_Enable_DNS, 3, boxWidth, 1158, 1159);
    L_EthConn_Primary_DNS = makeLabel(body, "L_EthConn_Primary_DNS", 4, 1160);
    E_EthConn_Pri_DNS_IP = makeByteRow(body, "E_EthConn_Pri_DNS_IP", Eth_Conn_Primary_DNS1, 4, 1161);
    L_EthConn_Secondary_DNS = makeLabel(body, "L_EthConn_Secondary_DNS", 5, 1165);
    E_EthConn_Sec_DNS_IP = makeByteRow(body, "E_EthConn_Sec_DNS_IP", Eth_Conn_Secondary_DNS1, 5, 1166);

    // 2 OPC UA Server
    body = CP_OPC_UA_Server->body();
    L_OPC_UA_Server_IP = makeLabel(body, "L_OPC_UA_Server_IP", 0, 407);
    E_OPC_UA_Server_IP = makeByteRow(body, "E_OPC_UA_Server_IP", OPC_UA_Server_IP1, 0, 408);
    L_OPC_UA_Server_SM = makeLabel(body, "L_OPC_UA_Server_SM", 1, 412);
    E_OPC_UA_Server_SM = makeByteRow(body, "E_OPC_UA_Server_SM", OPC_UA_Server_SM1, 1, 413);
    CB_OPC_UA_Server_En_GAT =
        makeBox(body, "CB_OPC_UA_Server_En_GAT", OPC_UA_Server_EN_GAT, 2, kCaptionWidth, 417, 418);
    E_OPC_UA_Server_GAT = makeByteRow(body, "E_OPC_UA_Server_GAT", OPC_UA_Server_GAT1, 2, 419);
    L_OPC_UA_Server_Port = makeLabel(body, "L_OPC_UA_Server_Port", 3, 1134);
    E_OPC_UA_Server_Port = makeEdit(body, "E_OPC_UA_Server_Port", OPC_UA_Server_Port, 3, kNumberField, 1135);
    L_OPC_UA_Server_Reset_Inactivity = makeBox(body, "L_OPC_UA_Server_Reset_Inactivity",
                                               OPC_UA_Server_Reset_Inactivity, 4, kCaptionWidth, 1178, -1);
    E_OPC_UA_Server_Reset_Inactivity = makeEdit(body, "E_OPC_UA_Server_Reset_Inactivity",
                                                OPC_UA_Server_Reset_Inactivity_Time, 4, kNumberField, 1179);

    // 3 PROFINET
    body = CP_PROFINET->body();
    L_PROFINET_IP = makeLabel(body, "L_PROFINET_IP", 0, 666);
    E_PROFINET_IP = makeByteRow(body, "E_PROFINET_IP", PROFINET_IP1, 0, 667);
    L_PROFINET_SM = makeLabel(body, "L_PROFINET_SM", 1, 671);
    E_PROFINET_SM = makeByteRow(body, "E_PROFINET_SM", PROFINET_SM1, 1, 672);
    CB_PROFINET_GAT = makeBox(body, "CB_PROFINET_GAT", PROFINET_EN_GAT, 2, kCaptionWidth, 676, 677);
    E_PROFINET_GAT = makeByteRow(body, "E_PROFINET_GAT", PROFINET_GAT1, 2, 678);
    L_PROFINET_TunnelPort = makeLabel(body, "L_PROFINET_TunnelPort", 3, 682);
    E_PROFINET_TunnelPort = makeEdit(body, "E_PROFINET_TunnelPort", PROFINET_PORT, 3, kNumberField, 683);
    L_PROFINET_NameStation = makeLabel(body, "L_PROFINET_NameStation", 4, 684);
    E_PROFINET_NameStation = makeEdit(body, "E_PROFINET_NameStation", PROFINET_NAME_STA, 4, kWideField, 685);
    E_PROFINET_NameStation->setValidator(new TypedText(E_PROFINET_NameStation, 15, true));
    L_PROFINET_NByte_In = makeLabel(body, "L_PROFINET_NByte_In", 5, 686);
    E_PROFINET_NByte_In = makeEdit(body, "E_PROFINET_NByte_In", PROFINET_NB_IN, 5, kNumberField, 687);
    L_PROFINET_NByte_Out = makeLabel(body, "L_PROFINET_NByte_Out", 6, 688);
    E_PROFINET_NByte_Out = makeEdit(body, "E_PROFINET_NByte_Out", PROFINET_NB_OUT, 6, kNumberField, 689);
    CB_PROFINET_Diagnostic =
        makeBox(body, "CB_PROFINET_Diagnostic", PROFINET_ENABLE_DIAGNOSTIC, 7, kCaptionWidth, 690, 691);
    E_PROFINET_Diagnostic =
        makeEdit(body, "E_PROFINET_Diagnostic", PROFINET_DIAGNOSTIC_ADDRESS, 7, kNumberField, 692);

    // 4 NTP
    body = CP_NTP->body();
    L_NTP_Server_URL = makeLabel(body, "L_NTP_Server_URL", 0, 565);
    E_NTP_Server_URL = makeEdit(body, "E_NTP_Server_URL", NTP_Server_URL, 0, kWideField, 566);
    L_NTP_Poll_Time = makeLabel(body, "L_NTP_Poll_Time", 1, 567);
    E_NTP_Poll_Time = makeEdit(body, "E_NTP_Poll_Time", NTP_Poll_Time, 1, kNumberField, 568);

    // The "." key moves along these fields.
    chain({E_EthConn_Pri_DNS_IP, E_EthConn_Sec_DNS_IP});
    chain({E_OPC_UA_Server_IP, E_OPC_UA_Server_SM, E_OPC_UA_Server_GAT});
    chain({E_PROFINET_IP, E_PROFINET_SM, E_PROFINET_GAT});

    auto *buttonBand = new QFrame(this);
    buttonBand->setObjectName(QStringLiteral("P_Buttons"));
    buttonBand->setStyleSheet(QStringLiteral("#P_Buttons { border-top: 1px solid #E0DCC8; }"));
    buttonBand->setFixedHeight(kButtonBandHeight);
    const DialogFrame::OkCancel buttons = DialogFrame::okCancel(buttonBand);
    Btn_OK = buttons.ok;
    Btn_Cancel = buttons.cancel;
    auto *band = new QHBoxLayout(buttonBand);
    band->setContentsMargins(10, 6, 10, 6);
    band->addLayout(buttons.row);
    connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    QVBoxLayout *layout = DialogFrame::titled(this, P_Title);
    layout->addWidget(CPG, 1);
    layout->addWidget(buttonBand);

    // Only the height can change.
    setFixedWidth(kClientWidth);
    setMinimumHeight(P_Title->height() + kButtonBandHeight + 4 * CategoryPanel::HeaderHeight);
    resize(kClientWidth, kClientHeight);

    showValues(designValues());
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Order_TAB_Panels()
{
    // The headings keep the language of start-up.
    const std::pair<CategoryPanel *, int> panels[] = {
        {CP_Ethernet_Connection, 1151}, {CP_OPC_UA_Server, 406}, {CP_PROFINET, 665}, {CP_NTP, 564}};
    int number = 1;
    for (const auto &[panel, entry] : panels) {
        panel->setVisible(true);
        panel->setHeading(QStringLiteral("%1. %2").arg(number++).arg(m_state.tr(entry)));
    }
}

void TFParGen::Set_Lang()
{
    setWindowTitle(m_state.tr(400));
    P_Title->L_SW_Desc->setText(m_state.tr(401));
    Btn_OK->setText(m_state.tr(402));
    Btn_OK->setToolTip(m_state.tr(404));
    Btn_Cancel->setText(m_state.tr(403));
    Btn_Cancel->setToolTip(m_state.tr(405));
    for (const LangText &t : m_texts) {
        if (t.caption >= 0) {
            if (auto *label = qobject_cast<QLabel *>(t.control))
                label->setText(m_state.tr(t.caption));
            else if (auto *box = qobject_cast<QCheckBox *>(t.control))
                box->setText(m_state.tr(t.caption));
        }
        if (t.hint >= 0)
            t.control->setToolTip(m_state.tr(t.hint));
    }
}

void TFParGen::Move_GroupBoxs()
{
    RePosition_Objects();
}

void TFParGen::RePosition_Objects()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_OPC_UA_Server();
    RePosition_Object_PROFINET();
    RePosition_Object_NTP();
}

void TFParGen::fitPanel(CategoryPanel *panel, const QWidget *lowestField)
{
    panel->setExpandedHeight(lowestField->y() + lowestField->height() + CategoryPanel::HeaderHeight + kPanelMargin);
}

void TFParGen::setAddressFieldsEnabled(std::initializer_list<ByteRow> rows, bool enabled)
{
    for (const ByteRow &row : rows)
        for (QLineEdit *edit : row)
            edit->setEnabled(enabled);
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    fitPanel(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP[3]);
    CB_EthConn_En_DHCP_WiFi->setEnabled(false);
}

void TFParGen::RePosition_Object_OPC_UA_Server()
{
    fitPanel(CP_OPC_UA_Server, E_OPC_UA_Server_Reset_Inactivity);
    setAddressFieldsEnabled({E_OPC_UA_Server_IP, E_OPC_UA_Server_SM, E_OPC_UA_Server_GAT},
                            !CB_EthConn_En_DHCP_Cable->isChecked());
}

void TFParGen::RePosition_Object_PROFINET()
{
    CB_PROFINET_Diagnostic->hide();
    E_PROFINET_Diagnostic->hide();
    fitPanel(CP_PROFINET, E_PROFINET_NByte_Out);
    setAddressFieldsEnabled({E_PROFINET_IP, E_PROFINET_SM, E_PROFINET_GAT}, !CB_EthConn_En_DHCP_Cable->isChecked());
}

void TFParGen::RePosition_Object_NTP()
{
    fitPanel(CP_NTP, E_NTP_Poll_Time);
}

void TFParGen::On_Click(QCheckBox *box)
{
    if (box == CB_EthConn_En_DHCP_Cable || box == CB_EthConn_En_DHCP_WiFi)
        Move_GroupBoxs();
}

bool TFParGen::KeyPress(QLineEdit *field, QKeyEvent *event)
{
    if (event->text() != QLatin1String("."))
        return false;
    for (const auto &[from, to] : m_nextByte)
        if (from == field && to->isEnabled() && to->isVisible())
            to->setFocus(Qt::TabFocusReason);
    return true; // the "." itself never reaches a byte field
}

bool TFParGen::FormMouseWheel(QWheelEvent *event)
{
    // The group scrolls by lines, as many per notch as the system's wheel setting.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRemainder %= QWheelEvent::DefaultDeltasPerStep;
    const int lines = qMax(0, QApplication::wheelScrollLines());
    QScrollBar *bar = CPG->verticalScrollBar();
    for (int n = 0; n < qAbs(notches); ++n)
        for (int i = 0; i < lines; ++i)
            bar->triggerAction(notches > 0 ? QAbstractSlider::SliderSingleStepSub
                                           : QAbstractSlider::SliderSingleStepAdd);
    event->accept();
    return true;
}

bool TFParGen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && watched == CPG->viewport())
        return FormMouseWheel(static_cast<QWheelEvent *>(event));
    if (event->type() == QEvent::KeyPress)
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            return KeyPress(field, static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}

void TFParGen::setVisible(bool visible)
{
    // Every opening reads the file before the dialog appears, centred on the screen.
    if (visible && !isVisible()) {
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
        FormShow();
    }
    QDialog::setVisible(visible);
}

void TFParGen::showValues(const Values &values)
{
    for (int f = 0; f < FieldCount; ++f) {
        if (fields()[f].flag)
            m_boxes[f]->setChecked(values.flag(Field(f)));
        else
            TypedText::load(m_edits[f], values.text(Field(f)));
    }
}

ParGen::Values TFParGen::fieldValues() const
{
    Values values;
    for (int f = 0; f < FieldCount; ++f) {
        if (fields()[f].flag)
            values.flags[f] = m_boxes[f]->isChecked();
        else
            values.texts[f] = m_edits[f]->text();
    }
    return values;
}

void TFParGen::FormShow()
{
    const ReadResult read = ParGen::read(m_state.File_ParGen);
    if (!read.ok) {
        // The fields stay as they are and OK refuses to replace the file until it
        // reads again: the user may still want what the file holds.
        m_unreadableFile = m_state.File_ParGen;
        m_ports.prompts.generalError(read.error);
        return;
    }
    m_unreadableFile.clear();
    showValues(read.values);
    Move_GroupBoxs();
}

bool TFParGen::Controllo_Dati()
{
    const int entry = ::Controllo_Dati(fieldValues());
    if (entry == 0)
        return true;
    m_ports.prompts.error(ruleMessage(m_state.Lang_Table, entry));
    return false;
}

void TFParGen::Btn_OKClick()
{
    if (!m_unreadableFile.isEmpty()) {
        const ReadResult again = ParGen::read(m_unreadableFile);
        if (!again.ok) {
            m_ports.prompts.generalError(again.error);
            return;
        }
        m_unreadableFile.clear(); // repaired (or removed) meanwhile
    }
    if (!Controllo_Dati())
        return;
    QString error;
    if (!ParGen::write(m_state.File_ParGen, fieldValues(), &error)) {
        m_ports.prompts.generalError(error);
        return;
    }
    accept();
}
