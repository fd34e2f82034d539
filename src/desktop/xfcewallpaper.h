#pragma once

#include "desktop/toolwallpaper.h"

#include <QStringList>

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
