#include "platform/standinregistry.h"

#include <QDir>
#include <QStandardPaths>

namespace {
constexpr RegistryBackend::Handle LocalMachine = 0x80000002u;
constexpr RegistryBackend::Handle CurrentVersionKey = 1;
const QByteArray CurrentVersionPath = "software\\microsoft\\windows\\currentversion";
} // namespace

StandInRegistry::StandInRegistry()
    : StandInRegistry(QDir::toNativeSeparators(
          QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))) {}

StandInRegistry::StandInRegistry(const QString& programFilesDir)
    : m_programFilesDir(programFilesDir.toLocal8Bit()) {}

long StandInRegistry::openKey(Handle root, const QByteArray& subKey, Handle* opened) {
    // Key names are case-insensitive, as in the system registry.
    if (root == LocalMachine && subKey.toLower() == CurrentVersionPath) {
        *opened = CurrentVersionKey;
        return Success;
    }
    return NotFound;
}

long StandInRegistry::queryString(Handle key, const QByteArray& name, QByteArray& buffer,
                                  std::uint32_t& length) {
    if (key != CurrentVersionKey || name.toLower() != "programfilesdir")
        return NotFound;
    const QByteArray value = m_programFilesDir + '\0';
    if (std::uint32_t(value.size()) > length)
        return MoreData;
    buffer.replace(0, value.size(), value);
    length = std::uint32_t(value.size());
    return Success;
}
