#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// Writes data to path aside and then replaces the file, so that a failed or
// interrupted save never leaves a half-written file: either the whole new content
// is there, or the old file is untouched. On failure returns false and puts the
// reason, with the path, into *error.
bool writeFileSafely(const QString &path, const QByteArray &data, QString *error);

// Writes several files that belong together, each aside first; only when every one
// is written aside are they replaced, one after the other. When one cannot be
// replaced, those already replaced get their earlier content back (or are removed
// when they did not exist), so the set is never left half old, half new. On failure
// returns false with the reason, with the path, in *error.
bool writeFilesSafely(const std::vector<std::pair<QString, QByteArray>> &files, QString *error);
