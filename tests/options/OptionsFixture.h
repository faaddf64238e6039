#pragma once

#include "support/TestFolders.h"

#include <QColor>
#include <QMap>
#include <QString>

// Writes LANGUAGE/<language>.lng with the given entries.
void writeLanguage(TestFolders &folders, const QString &language, const QMap<int, QString> &entries = {});

// Writes LANGUAGE/<name>.bmp, a flag of one colour (or, with three colours, three bands).
void writeFlag(TestFolders &folders, const QString &name, const QList<QColor> &bands, bool vertical = true);
