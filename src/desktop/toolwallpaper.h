#pragma once

#include "desktop/desktopwallpaper.h"

#include <QStringList>
#include <atomic>

// Backends that hand the picture to the desktop through its own command-line tool. The tools
// are looked up on PATH and started with argument lists, never through a shell, and are given
// absolute paths only: a relative one could start with "-" and be read as an option.
//
// Desktops keep the wallpaper's path in their settings and reload the picture only when that
// value changes (KDE Plasma takes no other step), which is why the caller hands over a new name
// at each change. Where the value can be cleared, each backend also first clears it, then sets
// it: a picture rewritten under the same name is shown too.

// What the backends below share: the tools they start can be given up from another thread.
class ToolWallpaper : public DesktopWallpaper {
public:
    void cancel() override { m_cancelled = true; }

protected:
    // Runs `program` (looked up on PATH) with `arguments`; true when it ran and exited with 0.
    // Its standard output and error go to `out` and `err` when given. A tool still running
    // after 15 s, or once the backend is cancelled, is killed and counts as failed.
    bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr,
             QByteArray* err = nullptr) const;

private:
    std::atomic<bool> m_cancelled{false};
};

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

// Desktops told by one command, with a mode that fills the screen where the command takes one:
// KDE Plasma (plasma-apply-wallpaperimage), LXQt (pcmanfm-qt), LXDE (pcmanfm) and sway or
// another compositor that answers sway's socket (swaymsg).
class CommandWallpaper final : public ToolWallpaper {
public:
    enum class Desktop { Plasma, LxQt, Lxde, Sway };
    explicit CommandWallpaper(Desktop desktop) : m_desktop(desktop) {}
    bool setWallpaper(const QString& picture) override;

private:
    Desktop m_desktop;
};

// XFCE: the last-image of every monitor and workspace of the xfce4-desktop channel, with an
// image-style that fills the screen. The keys that exist are set, and so are those of each
// output of the session ("monitor" + its name, as current XFCE names them) and of each workspace
// that has none yet: xfdesktop reads a key only once it exists.
class XfceWallpaper final : public ToolWallpaper {
public:
    explicit XfceWallpaper(const QStringList& outputs) : m_outputs(outputs) {}
    bool setWallpaper(const QString& picture) override;

private:
    QStringList m_outputs;
};

// `path` as one word of sway's command language; empty when it has a line break, which that
// language cannot hold.
QString swayWord(const QString& path);
// `text` as a GVariant string literal, the form gsettings parses without guessing.
QString gvariantString(const QString& text);
// The text of a GVariant string literal as gsettings prints it (in single or double quotes,
// escaped with backslashes); empty when `literal` is none.
QString gvariantStringValue(const QString& literal);
