#pragma once

#include "veille/idlesource.h"

struct xcb_connection_t;

// The X server's screen-saver extension: milliseconds since the last input on the display.
class X11IdleSource final : public IdleSource {
    Q_OBJECT
public:
    // Nothing without a display, or when the server lacks the extension.
    static std::unique_ptr<IdleSource> create();
    ~X11IdleSource() override;

    QString name() const override { return QStringLiteral("X11"); }
    std::optional<std::chrono::milliseconds> idleTime() override;

private:
    X11IdleSource(xcb_connection_t* connection, quint32 root);
    xcb_connection_t* m_connection;
    quint32 m_root;
};
