#include "options/VersionCheck.h"

bool Check_Version(HttpGet &, const QUrl &) { return false; }

int Conv_Version(const QString &) { return -1; }
