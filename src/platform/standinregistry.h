#pragma once

#include "platform/registrybackend.h"

#include <QString>

// A registry of one value, for systems without one: the folder for installed programs
// ("ProgramFilesDir") is the per-user cache folder. Everything else is "not found".
class StandInRegistry final : public RegistryBackend {
public:
    StandInRegistry();
    explicit StandInRegistry(const QString& programFilesDir);

    long openKey(Handle root, const QByteArray& subKey, Handle* opened) override;
    long queryString(Handle key, const QByteArray& name, QByteArray& buffer,
                     std::uint32_t& length) override;
    void closeKey(Handle) override {}

private:
    QByteArray m_programFilesDir;
};
