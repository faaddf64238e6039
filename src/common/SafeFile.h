#pragma once

#include <QByteArray>
#include <QString>

// Writes data to path aside and then replaces the file, so that a failed or
// interrupted save never leaves a half-written file: either the whole new content
// is there, or the old file is untouched. On failure returns false and puts the
// reason, with the path, into *error.
bool writeFileSafely(const QString &path, const QByteArray &data, QString *error);
