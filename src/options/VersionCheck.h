#pragma once

#include <QString>
#include <QUrl>

class HttpGet;

// Whether the maker publishes a newer version than this one. Every failure
// (no connection, an error status, no answer in time, an unusable answer) is false.
bool Check_Version(HttpGet &http, const QUrl &url);

// The version number of a text such as "VER. 1.004" (1004), or -1.
int Conv_Version(const QString &Ver_str);
