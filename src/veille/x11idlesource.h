#pragma once

#include "platform/x11connection.h"
#include "veille/idlesource.h"

#include <memory>

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
    explicit X11IdleSource(std::unique_ptr<X11Connection> x11);
    std::unique_ptr<X11Connection> m_x11;
};
