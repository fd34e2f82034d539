#include "veille/screensaveridlesource.h"

#include "veille/dbuscall.h"

namespace {

const QString saverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString saverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

} // namespace

ScreenSaverIdleSource::ScreenSaverIdleSource() : BusIdleSource(saverService) {}

std::unique_ptr<IdleSource> ScreenSaverIdleSource::create() {
    return ifAnswering(std::unique_ptr<IdleSource>(new ScreenSaverIdleSource));
}

std::optional<std::chrono::milliseconds> ScreenSaverIdleSource::idleTime() {
    const auto ms =
        callService<uint>(saverService, saverPath, QStringLiteral("GetSessionIdleTime"));
    if (!ms)
        return std::nullopt;
    return std::chrono::milliseconds(*ms);
}
