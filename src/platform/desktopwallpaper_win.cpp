#include "platform/desktopwallpaperfactory.h"

#include <windows.h>

namespace {

class WindowsWallpaper final : public DesktopWallpaper {
public:
    bool setWallpaper(const QString& imagePath) override {
        std::wstring path = imagePath.toStdWString();
        return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(), SPIF_UPDATEINIFILE) !=
               FALSE;
    }
};

} // namespace

std::unique_ptr<DesktopWallpaper> createDesktopWallpaper(const DesktopSession&) {
    return std::make_unique<WindowsWallpaper>();
}
