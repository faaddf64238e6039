#include "update/TFBoot.h"

#include "app/AppState.h"
#include "common/FormStyle.h"
#include "common/Icons.h"
#include "common/Ports.h"
#include "common/Product.h"
#include "common/TitlePanel.h"
#include "update/DeviceUpdate.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 449;

QFrame *makePanel(QWidget *parent, const char *name, int height)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFixedSize(ClientWidth, height);
    FormStyle::applyForm(panel);
    return panel;
}

// The wait for the device and the updater: the update button is off and the
// cursor busy until the attempt is over.
class BusyWhile
{
public:
    explicit BusyWhile(QPushButton *button) : m_button(button)
    {
        m_button->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyWhile()
    {
        QApplication::restoreOverrideCursor();
        m_button->setEnabled(true);
    }
    BusyWhile(const BusyWhile &) = delete;
    BusyWhile &operator=(const BusyWhile &) = delete;

private:
    QPushButton *m_button;
};

} // namespace

TFBoot::TFBoot(AppState &state, Ports &ports, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_ports(ports)
    , m_check(ports.echo)
{
    setObjectName(QStringLiteral("TFBoot"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    FormStyle::applyForm(this);

    P_Title = new TitlePanel(this);
    P_Title->setFixedWidth(ClientWidth);

    P_IP_Address = makePanel(this, "P_IP_Address", 49);
    L_IP_Address = new QLabel(P_IP_Address);
    L_IP_Address->setObjectName(QStringLiteral("L_IP_Address"));
    L_IP_Address->setGeometry(16, 0, 220, 49);
    L_IP_Address->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    const char *const fieldNames[4] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(QStringLiteral("0"), P_IP_Address);
        field->setObjectName(QLatin1String(fieldNames[i]));
        field->setGeometry(240 + i * 50, 13, 40, 23);
        field->setAlignment(Qt::AlignCenter);
        field->installEventFilter(this);
        m_fields[i] = field;
        if (i < 3) {
            auto *dot = new QLabel(QStringLiteral("."), P_IP_Address);
            dot->setGeometry(240 + i * 50 + 40, 13, 10, 23);
            dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            QFont bold = dot->font();
            bold.setBold(true);
            dot->setFont(bold);
        }
    }
    E_IP1 = m_fields[0];
    E_IP2 = m_fields[1];
    E_IP3 = m_fields[2];
    E_IP4 = m_fields[3];

    P_Options = makePanel(this, "P_Options", 72);
    P_Options->setStyleSheet(QStringLiteral("#P_Options { border-top: 1px solid #E0DCC8; }"));
    L_Update_Option = new QLabel(P_Options);
    L_Update_Option->setObjectName(QStringLiteral("L_Update_Option"));
    L_Update_Option->setGeometry(16, 10, 300, 16);
    CB_Update_Options = new QComboBox(P_Options);
    CB_Update_Options->setObjectName(QStringLiteral("CB_Update_Options"));
    CB_Update_Options->setGeometry(16, 32, 220, 24);
    CB_Update_Option_Read_Back = new QCheckBox(P_Options);
    CB_Update_Option_Read_Back->setObjectName(QStringLiteral("CB_Update_Option_Read_Back"));
    CB_Update_Option_Read_Back->setGeometry(260, 32, 170, 24);
    CB_Update_Option_Read_Back->setChecked(true);

    P_Button = makePanel(this, "P_Button", 40);
    P_Button->setStyleSheet(QStringLiteral("#P_Button { border-top: 1px solid #E0DCC8; }"));
    Btn_Update = new QPushButton(P_Button);
    Btn_Update->setObjectName(QStringLiteral("Btn_Update"));
    Btn_Update->setGeometry(ClientWidth - 16 - 190, 6, 190, 28);
    Btn_Update->setAutoDefault(false);
    Btn_Update->setIcon(Icons::icon(Icons::Kind::Update));
    Btn_Update->setIconSize(QSize(18, 18));
    FormStyle::applyButton(Btn_Update);
    Btn_Cancel = new QPushButton(P_Button);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->setGeometry(Btn_Update->x() - 8 - 100, 6, 100, 28);
    Btn_Cancel->setAutoDefault(false);
    FormStyle::applyButton(Btn_Cancel);

    connect(Btn_Cancel, &QPushButton::clicked, this, &TFBoot::reject);
    connect(Btn_Update, &QPushButton::clicked, this, &TFBoot::Btn_UpdateClick);

    layOutPanels();
    Set_Lang();
}

void TFBoot::layOutPanels()
{
    // Title, address and options from the top, the buttons at the bottom.
    int top = 0;
    for (QWidget *panel : {static_cast<QWidget *>(P_Title), static_cast<QWidget *>(P_IP_Address),
                           static_cast<QWidget *>(P_Options)}) {
        panel->move(0, top);
        top += panel->height();
    }
    P_Button->move(0, top);
    setFixedSize(ClientWidth, top + P_Button->height());
    setTabOrder(E_IP1, E_IP2);
    setTabOrder(E_IP2, E_IP3);
    setTabOrder(E_IP3, E_IP4);
    setTabOrder(E_IP4, CB_Update_Options);
    setTabOrder(CB_Update_Options, CB_Update_Option_Read_Back);
    setTabOrder(CB_Update_Option_Read_Back, Btn_Cancel);
    setTabOrder(Btn_Cancel, Btn_Update);
}

void TFBoot::Set_Lang()
{
    setWindowTitle(m_state.tr(1202));
    P_Title->L_SW_Desc->setText(m_state.tr(1203));
    L_IP_Address->setText(m_state.tr(1206));
    L_Update_Option->setText(m_state.tr(1214));
    CB_Update_Options->clear();
    CB_Update_Options->addItems({m_state.tr(1215), m_state.tr(1216), m_state.tr(1217)});
    CB_Update_Options->setCurrentIndex(0);
    CB_Update_Option_Read_Back->setText(m_state.tr(1218));
    Btn_Cancel->setText(m_state.tr(1219));
    Btn_Update->setText(m_state.tr(1220));
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setToolTip(m_state.tr(1221 + i));
    CB_Update_Options->setToolTip(m_state.tr(1232));
    CB_Update_Option_Read_Back->setToolTip(m_state.tr(1233));
    Btn_Cancel->setToolTip(m_state.tr(1234));
    Btn_Update->setToolTip(m_state.tr(1235));
}

void TFBoot::FormShow()
{
    Set_Lang();
    P_Title->L_SW_Code->setText(Product::SW_Code);

    layOutPanels();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    if (!m_state.Last_IP_Address.isEmpty())
        if (const std::optional<AddressFields> fields = splitAddress(m_state.Last_IP_Address))
            for (int i = 0; i < 4; ++i)
                m_fields[i]->setText((*fields)[i]);
    CB_Update_Options->setCurrentIndex(m_state.Update_Option_Index);
    CB_Update_Option_Read_Back->setChecked(m_state.Update_Read_Back);
    E_IP1->setFocus();
}

bool TFBoot::KeyPress(QLineEdit *Sender, const QString &Key)
{
    if (Key != QLatin1String("."))
        return false;
    for (int i = 0; i < 3; ++i)
        if (Sender == m_fields[i] && m_fields[i + 1]->isEnabled())
            m_fields[i + 1]->setFocus();
    return true;
}

bool TFBoot::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        for (QLineEdit *field : m_fields)
            if (watched == field)
                return KeyPress(field, static_cast<QKeyEvent *>(event)->text());
    return QDialog::eventFilter(watched, event);
}

AddressFields TFBoot::addressFields() const
{
    return {E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()};
}

void TFBoot::setPingTiming(DeviceCheck::Timing timing)
{
    m_check.setTiming(std::move(timing));
}

void TFBoot::Btn_UpdateClick()
{
    if (m_check.running())
        return;
    const UpdateRequest request{joinAddress(addressFields()), CB_Update_Options->currentIndex(),
                                CB_Update_Option_Read_Back->isChecked()};
    UpdateResult result;
    {
        const BusyWhile busy(Btn_Update);
        result = runDeviceUpdate(m_state, m_ports, m_check, request);
    }
    result.show(m_ports.prompts);
}

void TFBoot::reject()
{
    if (m_check.running())
        m_check.stop();
    QDialog::reject();
}

void TFBoot::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}
