#include "options/NetworkHttpGet.h"

bool NetworkHttpGet::get(const QUrl &, int, QByteArray *, QString *error)
{
    *error = QStringLiteral("not available yet");
    return false;
}
