#pragma once

#include <QDate>
#include <QString>

// The name of a GSDML file: the fixed first part, the user's part and the date part,
// "GSDML-V2.31-Korvell-GWX4410_Line3-20130109.xml".

// The fixed first part of every GSDML file name.
inline const QString GSDML_Fixed_Part = QStringLiteral("GSDML-V2.31-Korvell-GWX4410");

// The date part: "-", the year, the month and the day in two digits each, ".xml";
// 9 January 2013 gives "-20130109.xml".
QString gsdmlDatePart(const QDate &date);

// The whole name from the user part as typed and the date part. A user part that is
// empty or only blanks leaves the fixed part and the date part side by side; one that
// begins with "_" follows the fixed part directly; any other gets a "_" before it.
// A non-empty user part is kept as typed, blanks included.
QString formGsdmlFileName(const QString &userPart, const QString &datePart);
