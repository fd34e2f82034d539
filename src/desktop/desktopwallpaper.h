#pragma once

#include <QString>

// Sets the desktop wallpaper to a picture file. Reports failure when the desktop refused it.
class DesktopWallpaper {
public:
    virtual ~DesktopWallpaper() = default;
    virtual bool setWallpaper(const QString& imagePath) = 0;
    // The program is ending: whatever a call is waiting for on another thread is given up (a
    // desktop tool that hangs is killed), and every later call fails at once. Any thread.
    virtual void cancel() {}
};
