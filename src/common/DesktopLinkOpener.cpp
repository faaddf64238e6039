#include "common/DesktopLinkOpener.h"

#include <QDesktopServices>

void DesktopLinkOpener::openLink(const QUrl &url) { QDesktopServices::openUrl(url); }
