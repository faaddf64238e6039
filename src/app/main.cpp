#include "app/AppState.h"
#include "app/TFTesseraeFirmWare.h"
#include "common/DesktopLinkOpener.h"
#include "common/Ports.h"
#include "common/ProcessLauncher.h"
#include "common/WidgetPrompts.h"
#include "options/NetworkHttpGet.h"
#include "update/IcmpEchoClient.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessera"));

    WidgetPrompts prompts;
    ProcessLauncher launcher;
    DesktopLinkOpener links;
    NetworkHttpGet http;
    IcmpEchoClient echo;
    Ports ports{prompts, launcher, links, http, echo};

    AppState state;
    TFTesseraeFirmWare mainWindow(state, ports, QCoreApplication::applicationDirPath());
    mainWindow.createForms();
    mainWindow.show();
    return app.exec();
}
