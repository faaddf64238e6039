#pragma once

#include "options/HttpGet.h"

// HTTP GET over Qt Network.
class NetworkHttpGet : public HttpGet
{
public:
    bool get(const QUrl &url, int timeoutMs, QByteArray *body, QString *error) override;
};
