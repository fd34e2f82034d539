#pragma once

#include "platform/desktop.h"

// Desktop through QDesktopServices.
class DesktopServicesDesktop final : public Desktop {
public:
    bool openFile(const QString& path) override;
    bool openWebPage(const QString& url) override;
};
