#pragma once

#include "desktop/toolwallpaper.h"

// GNOME, Unity and Budgie (org.gnome.desktop.background, also the dark-style key), Cinnamon
// (org.cinnamon.desktop.background) and MATE (org.mate.background, a plain file name). The
// picture is zoomed to fill the screen: the bitmap has the largest screen's proportions, and
// the default option of some releases (or "none", "wallpaper") would hide or tile it.
class GSettingsWallpaper final : public ToolWallpaper {
public:
    enum class Desktop { Gnome, Cinnamon, Mate };
    explicit GSettingsWallpaper(Desktop desktop) : m_desktop(desktop) {}
    bool setWallpaper(const QString& picture) override;

private:
    bool set(const QString& schema, const QString& key, const QString& text);
    bool get(const QString& schema, const QString& key, QString* text);
    // Empties the key, then sets it to `text`: true when both changes were kept.
    bool replace(const QString& schema, const QString& key, const QString& text);
    Desktop m_desktop;
};

// `text` as a GVariant string literal, the form gsettings parses without guessing.
QString gvariantString(const QString& text);
// The text of a GVariant string literal as gsettings prints it (in single or double quotes,
// escaped with backslashes); empty when `literal` is none.
QString gvariantStringValue(const QString& literal);
