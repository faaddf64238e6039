#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// One HTTP GET with a time-out.
class HttpGet
{
public:
    virtual ~HttpGet() = default;

    // Fetches url. Returns false with *error set on any failure: no connection,
    // a status other than success, no answer within timeoutMs.
    virtual bool get(const QUrl &url, int timeoutMs, QByteArray *body, QString *error) = 0;
};
