#pragma once

#include "desktop/desktopwallpaper.h"

#include <atomic>
#include <memory>

// The desktop's own way first; when it fails (its tool or settings schema is missing, or the
// tool refused), the other way. True when either accepted the picture.
class FallbackWallpaper final : public DesktopWallpaper {
public:
    FallbackWallpaper(std::unique_ptr<DesktopWallpaper> first,
                      std::unique_ptr<DesktopWallpaper> second)
        : m_first(std::move(first)), m_second(std::move(second)) {}
    bool setWallpaper(const QString& imagePath) override {
        return m_first->setWallpaper(imagePath) ||
               (!m_cancelled && m_second->setWallpaper(imagePath));
    }
    void cancel() override {
        m_cancelled = true;
        m_first->cancel();
        m_second->cancel();
    }

private:
    std::unique_ptr<DesktopWallpaper> m_first, m_second;
    std::atomic<bool> m_cancelled{false};
};
