#pragma once

#include <QUrl>

// Opens a link with the system's default handler (the browser).
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    virtual void openLink(const QUrl &url) = 0;
};
