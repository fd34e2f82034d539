#pragma once

#include <QString>

// Sets the desktop wallpaper to a picture file. Reports failure when the desktop refused it.
class DesktopWallpaper {
public:
    virtual ~DesktopWallpaper() = default;
    virtual bool setWallpaper(const QString& imagePath) = 0;
};
