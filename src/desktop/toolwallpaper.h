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

// What the backends share: the tools they start can be given up from another thread.
class ToolWallpaper : public DesktopWallpaper {
public:
    void cancel() override { m_cancelled = true; }

protected:
    // Runs `program` (looked up on PATH) with `arguments`; true when it ran and exited with 0.
    // Its standard output and error go to `out` and `err` when given. A tool still running
    // after 15 s, or once the backend is cancelled, is killed and counts as failed.
    bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr,
             QByteArray* err = nullptr) const;
    // `path` made absolute, as every tool is given it.
    static QString absolutePath(const QString& path);

private:
    std::atomic<bool> m_cancelled{false};
};
