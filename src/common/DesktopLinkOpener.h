#pragma once

#include "common/LinkOpener.h"

// Opens links in the default browser.
class DesktopLinkOpener : public LinkOpener
{
public:
    void openLink(const QUrl &url) override;
};
