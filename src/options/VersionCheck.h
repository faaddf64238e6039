#pragma once

#include <QString>
#include <QUrl>

class HttpGet;

// How long the version request may take, connection included. The window waits
// for it with a busy cursor, so it is kept short.
inline constexpr int Version_Check_Timeout_Ms = 10000;

// Whether the maker publishes a newer version than this one. The server answers
// a short text such as "VER. 1.004". Every failure (no connection, an error
// status, no answer in time, an unusable answer) is false; nothing is reported.
bool Check_Version(HttpGet &http, const QUrl &url, int timeoutMs = Version_Check_Timeout_Ms);

// The version number of a text such as "VER. 1.004" (1004) or "2.000" (2000):
// the text after the first blank, its 1st, 3rd, 4th and 5th characters read as a
// decimal number. -1 when the text is shorter or those are not four digits.
int Conv_Version(const QString &Ver_str);
