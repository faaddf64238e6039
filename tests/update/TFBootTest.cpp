#include "update/TFBoot.h"

#include "TestNetwork.h"
#include "app/AppState.h"
#include "app/TFNew_Project.h"
#include "app/TFTesseraeFirmWare.h"
#include "UpdaterScript.h"
#include "common/ProcessLauncher.h"
#include "support/ScriptedPorts.h"
#include "support/TestFolders.h"
#include "update/IcmpEchoClient.h"
#include "update/UpdaterFile.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class ScriptedEchoWith : public ScriptedEcho
{
public:
    Access access = Access::Allowed;
    std::function<void()> onEcho;
    Access pingAccess(QString *error) override
    {
        *error = QStringLiteral("no ping here");
        return access;
    }
    bool echo(const QString &host, const QByteArray &data, quint16 sequence, int timeoutMs, Reply *reply,
              QString *error) override
    {
        if (onEcho)
            onEcho();
        return ScriptedEcho::echo(host, data, sequence, timeoutMs, reply, error);
    }
};

const EchoClient::Reply answered{false, 32};

class BootTest : public testing::Test
{
protected:
    BootTest()
    {
        folders.makeConfiguration(QStringLiteral("Line A"));
        // A pretend clock: a silent device takes no real time.
        boot.setPingTiming({[this] { return clock; }, [this] { clock += 10; }});
    }

    void setAddress(const QString &a, const QString &b, const QString &c, const QString &d)
    {
        boot.E_IP1->setText(a);
        boot.E_IP2->setText(b);
        boot.E_IP3->setText(c);
        boot.E_IP4->setText(d);
    }
    QStringList address() const
    {
        return {boot.E_IP1->text(), boot.E_IP2->text(), boot.E_IP3->text(), boot.E_IP4->text()};
    }
    QString parameterFile() const { return updaterParameterPath(folders.state.Exe_Folder); }

    TestFolders folders;
    ScriptedPorts scripted;
    ScriptedEchoWith echo;
    Ports ports{scripted.prompts, scripted.launcher, scripted.links, scripted.http, echo};
    TFBoot boot{folders.state, ports};
    qint64 clock = 0;
};

} // namespace

TEST_F(BootTest, ShowsTheRememberedAddressAndChoices)
{
    folders.state.Last_IP_Address = QStringLiteral(" 10.0.0.7 ");
    folders.state.Update_Option_Index = 2;
    folders.state.Update_Read_Back = false;
    boot.show();
    EXPECT_EQ(boot.size(), QSize(449, 230));
    EXPECT_EQ(boot.windowTitle(), folders.state.tr(1202));
    EXPECT_EQ(address(), QStringList({"10", "0", "0", "7"}));
    ASSERT_EQ(boot.CB_Update_Options->count(), 3);
    EXPECT_EQ(boot.CB_Update_Options->itemText(1), folders.state.tr(1216));
    EXPECT_EQ(boot.CB_Update_Options->currentIndex(), 2);
    EXPECT_FALSE(boot.CB_Update_Option_Read_Back->isChecked());
    boot.hide();

    // An address that does not split leaves the fields as they were typed.
    for (const char *remembered : {"10.0.0", "10.0.0.300", "10.0.0.7.1", ""}) {
        setAddress(QStringLiteral("1"), QStringLiteral(" 2"), QStringLiteral("3"), QStringLiteral("04"));
        folders.state.Last_IP_Address = QLatin1String(remembered);
        boot.show();
        EXPECT_EQ(address(), QStringList({"1", " 2", "3", "04"})) << remembered;
        boot.hide();
    }
}

TEST_F(BootTest, TheDotKeyMovesToTheNextField)
{
    boot.show();
    QApplication::setActiveWindow(&boot);
    const auto press = [](QLineEdit *field, Qt::Key key, const QString &text) {
        field->setFocus();
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(field, &event);
    };
    setAddress(QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("10"));
    press(boot.E_IP2, Qt::Key_Period, QStringLiteral("."));
    EXPECT_EQ(boot.E_IP2->text(), QStringLiteral("168"));
    EXPECT_EQ(QApplication::focusWidget(), boot.E_IP3);

    press(boot.E_IP4, Qt::Key_Period, QStringLiteral("."));
    EXPECT_EQ(boot.E_IP4->text(), QStringLiteral("10"));
    EXPECT_EQ(QApplication::focusWidget(), boot.E_IP4);

    press(boot.E_IP4, Qt::Key_5, QStringLiteral("5"));
    EXPECT_TRUE(boot.E_IP4->text().contains(u'5'));
}

TEST_F(BootTest, UpdatesADeviceThatAnswers)
{
    folders.state.Update_Option_Index = 0;
    boot.show();
    setAddress(QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("10"));
    boot.CB_Update_Options->setCurrentIndex(ConfigurationOnly);
    boot.CB_Update_Option_Read_Back->setChecked(false);
    echo.replies = {answered, answered};
    scripted.launcher.onStart = [&](const QString &) {
        EXPECT_FALSE(boot.Btn_Update->isEnabled());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        const QByteArray written = TestFolders::readFile(parameterFile());
        EXPECT_TRUE(written.contains("<IP_Address_Dev>192.168.0.10</IP_Address_Dev>"));
        EXPECT_EQ(written.count("<Operation>"), 2);
    };
    boot.Btn_Update->click();

    ASSERT_EQ(scripted.launcher.calls.size(), 1);
    EXPECT_EQ(scripted.launcher.calls[0].program, updaterProgramPath(folders.state.Exe_Folder));
    EXPECT_EQ(scripted.launcher.calls[0].parameter, QString());
    EXPECT_FALSE(scripted.launcher.calls[0].hidden);
    EXPECT_EQ(echo.hosts.size(), 2);
    EXPECT_EQ(folders.state.Last_IP_Address, QStringLiteral("192.168.0.10"));
    EXPECT_EQ(folders.state.Update_Option_Index, int(ConfigurationOnly));
    EXPECT_FALSE(folders.state.Update_Read_Back);
    EXPECT_TRUE(scripted.prompts.shown.isEmpty()) << scripted.prompts.last().toStdString();
    EXPECT_TRUE(boot.Btn_Update->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(boot.isVisible());
}

TEST_F(BootTest, AFailedCheckChangesNothing)
{
    using Kind = ScriptedPrompts::Shown::Kind;
    const struct
    {
        const char *name;
        std::function<void(ScriptedEchoWith &)> script;
        Kind kind;
        QString text;
    } cases[] = {
        {"silent device", [](ScriptedEchoWith &) {}, Kind::Warning, QStringLiteral("Device Not Found!")},
        {"answers once", [](ScriptedEchoWith &e) { e.replies = {answered}; }, Kind::Warning,
         QStringLiteral("Device Not Found!")},
        {"unusable address", [](ScriptedEchoWith &e) { e.failWith = QStringLiteral("bad"); }, Kind::Error,
         QStringLiteral("Error!!! Check the Ip Address")},
        {"no ping allowed", [](ScriptedEchoWith &e) { e.access = EchoClient::Access::NotPermitted; }, Kind::Error,
         folders.state.tr(1240).arg(QCoreApplication::applicationName(), QCoreApplication::applicationFilePath())},
        {"no ping possible", [](ScriptedEchoWith &e) { e.access = EchoClient::Access::Failed; }, Kind::Error,
         QStringLiteral("no ping here")},
    };
    boot.show();
    setAddress(QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("10"));
    boot.CB_Update_Options->setCurrentIndex(FirmwareOnly);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        echo = ScriptedEchoWith();
        c.script(echo);
        scripted.prompts.clear();
        boot.Btn_UpdateClick();
        ASSERT_EQ(scripted.prompts.shown.size(), 1);
        EXPECT_EQ(scripted.prompts.shown[0].kind, c.kind);
        EXPECT_EQ(scripted.prompts.shown[0].text, c.text);
        EXPECT_EQ(folders.state.Last_IP_Address, QStringLiteral("192.168.2.205"));
        EXPECT_EQ(folders.state.Update_Option_Index, 0);
        EXPECT_FALSE(QFileInfo::exists(parameterFile()));
        EXPECT_TRUE(scripted.launcher.calls.isEmpty());
        EXPECT_TRUE(boot.Btn_Update->isEnabled());
    }
}

TEST_F(BootTest, TellsWhatBecameOfTheUpdater)
{
    using Outcome = ProgramLauncher::Outcome;
    const QString updater = updaterProgramPath(folders.state.Exe_Folder);
    const struct
    {
        Outcome outcome;
        bool updaterExists;
        const char *message; // "" for none
    } cases[] = {
        {Outcome::Ended, true, ""},
        {Outcome::StillRunning, true, ""},
        {Outcome::NotStarted, false, "The updater was not found. It was looked for at:\n"},
        {Outcome::NotStarted, true, "The updater could not be started:\n"},
    };
    boot.show();
    setAddress(QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        QFile::remove(updater);
        if (c.updaterExists)
            folders.writeFile(updater, "#!/bin/sh\n");
        scripted.launcher.outcome = c.outcome;
        scripted.prompts.clear();
        echo.replies = {answered, answered};
        boot.Btn_UpdateClick();
        if (*c.message == 0) {
            EXPECT_TRUE(scripted.prompts.shown.isEmpty());
        } else {
            ASSERT_EQ(scripted.prompts.shown.size(), 1);
            EXPECT_EQ(scripted.prompts.shown[0].kind, ScriptedPrompts::Shown::Error);
            EXPECT_EQ(scripted.prompts.shown[0].text, QLatin1String(c.message) + updater);
        }
    }
}

TEST_F(BootTest, AParameterFileThatCannotBeWrittenStopsTheUpdate)
{
    ASSERT_TRUE(QDir().mkdir(parameterFile()));
    boot.show();
    setAddress(QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"));
    echo.replies = {answered, answered};
    boot.Btn_UpdateClick();
    ASSERT_EQ(scripted.prompts.shown.size(), 1);
    EXPECT_EQ(scripted.prompts.shown[0].kind, ScriptedPrompts::Shown::GeneralError);
    EXPECT_TRUE(scripted.prompts.last().contains(parameterFile())) << scripted.prompts.last().toStdString();
    EXPECT_TRUE(scripted.launcher.calls.isEmpty());
    EXPECT_EQ(folders.state.Last_IP_Address, QStringLiteral("127.0.0.1"));
}

TEST_F(BootTest, ClosingTheDialogDuringTheCheckStartsNothing)
{
    boot.show();
    echo.replies = {answered, answered};
    echo.onEcho = [this] { boot.Btn_Cancel->click(); };
    boot.Btn_UpdateClick();
    EXPECT_FALSE(boot.isVisible());
    EXPECT_EQ(echo.hosts.size(), 1);
    EXPECT_TRUE(scripted.prompts.shown.isEmpty());
    EXPECT_TRUE(scripted.launcher.calls.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(parameterFile()));
}

// The real echo client and launcher: the device at 127.0.0.1 in a network of the
// test's own, answering or silent; the updater is a script.
TEST(BootOnOwnNetwork, DeviceAnswersOrStaysSilent)
{
    if (!inOwnNetwork())
        return;
    TestFolders folders;
    folders.makeConfiguration(QStringLiteral("Line A"));
    const QString updater = writeUpdaterScript(updaterProgramPath(folders.state.Exe_Folder));
    ScriptedPorts scripted;
    IcmpEchoClient echo;
    ProcessLauncher launcher;
    Ports ports{scripted.prompts, launcher, scripted.links, scripted.http, echo};
    TFBoot boot(folders.state, ports);
    boot.show();
    for (QLineEdit *field : {boot.E_IP1, boot.E_IP2, boot.E_IP3, boot.E_IP4})
        field->setText(field == boot.E_IP1 ? QStringLiteral("127") : field == boot.E_IP4 ? QStringLiteral("1") : QStringLiteral("0"));
    const QString ran = folders.path(QStringLiteral("updater-ran.txt"));
    const QString found = folders.path(QStringLiteral("updater-found.xml"));

    // Silent: about 5 s, then "Device Not Found!"; nothing written or started.
    ASSERT_TRUE(setNetworkSetting("net/ipv4/icmp_echo_ignore_all", "1"));
    QElapsedTimer timer;
    timer.start();
    boot.Btn_UpdateClick();
    EXPECT_GE(timer.elapsed(), 5000);
    EXPECT_LT(timer.elapsed(), 7000);
    EXPECT_EQ(scripted.prompts.texts(), QStringList{QStringLiteral("Device Not Found!")});
    EXPECT_FALSE(QFileInfo::exists(updaterParameterPath(folders.state.Exe_Folder)));
    EXPECT_FALSE(QFileInfo::exists(ran));

    // Answering: two replies, then the updater runs beside the configurator and
    // finds its parameter file there.
    ASSERT_TRUE(setNetworkSetting("net/ipv4/icmp_echo_ignore_all", "0"));
    scripted.prompts.clear();
    timer.restart();
    boot.Btn_UpdateClick();
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(scripted.prompts.shown.isEmpty()) << scripted.prompts.last().toStdString();
    EXPECT_EQ(QDir(QString::fromLocal8Bit(TestFolders::readFile(ran).trimmed())).canonicalPath(),
              QDir(folders.exeFolder()).canonicalPath());
    const QByteArray parameters = TestFolders::readFile(found);
    EXPECT_TRUE(parameters.contains("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>")) << parameters.constData();
    EXPECT_EQ(folders.state.Last_IP_Address, QStringLiteral("127.0.0.1"));
}

// The whole workflow in the configurator: a new configuration, the update step
// compiles the banks and opens the dialog, the device answers and the updater runs.
TEST(BootOnOwnNetwork, FromANewConfigurationToTheUpdater)
{
    if (!inOwnNetwork())
        return;
    TestFolders folders;
    AppState state;
    ScriptedPorts scripted;
    IcmpEchoClient echo;
    ProcessLauncher launcher;
    Ports ports{scripted.prompts, launcher, scripted.links, scripted.http, echo};
    TFTesseraeFirmWare window(state, ports, folders.exeFolder());
    window.createForms();
    window.show();
    writeUpdaterScript(updaterProgramPath(state.Exe_Folder));

    QTimer::singleShot(0, [&] {
        window.FNew_Project->E_New_Proj->setText(QStringLiteral("Line A"));
        window.FNew_Project->Btn_OKClick();
    });
    window.Btn_New->click();
    ASSERT_TRUE(state.hasActiveConfiguration());

    bool shown = false;
    QTimer::singleShot(0, [&] {
        TFBoot *boot = window.FBoot;
        shown = boot->isVisible();
        EXPECT_EQ(boot->Form_Type, 1);
        for (QLineEdit *field : {boot->E_IP1, boot->E_IP2, boot->E_IP3, boot->E_IP4})
            field->setText(field == boot->E_IP1 ? QStringLiteral("127") : field == boot->E_IP4 ? QStringLiteral("1") : QStringLiteral("0"));
        boot->Btn_Update->click();
        boot->Btn_Cancel->click();
    });
    window.Btn_CreateBin->click();

    EXPECT_TRUE(shown);
    EXPECT_TRUE(scripted.prompts.shown.isEmpty()) << scripted.prompts.last().toStdString();
    EXPECT_TRUE(QFileInfo::exists(state.Conf_Folder + QStringLiteral("/bin/bank1.bin")));
    EXPECT_TRUE(QFileInfo::exists(state.Conf_Folder + QStringLiteral("/bin/bank2.bin")));
    EXPECT_EQ(QDir(QString::fromLocal8Bit(TestFolders::readFile(folders.path(QStringLiteral("updater-ran.txt"))).trimmed()))
                  .canonicalPath(),
              QDir(folders.exeFolder()).canonicalPath());
    const QByteArray found = TestFolders::readFile(folders.path(QStringLiteral("updater-found.xml")));
    EXPECT_TRUE(found.contains("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"));
    EXPECT_EQ(found.count("<Operation>"), 3);
    EXPECT_EQ(state.Last_IP_Address, QStringLiteral("127.0.0.1"));
}
