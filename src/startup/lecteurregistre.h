#pragma once

#include "platform/registrybackend.h"

#include <QString>
#include <optional>

// A small general reader of the registry, and the folder of installed programs that the
// thumbnail cache lives under. It keeps, between two calls, the root of the key split last and
// whether the last key path was malformed.
class LecteurRegistre {
public:
    explicit LecteurRegistre(RegistryBackend& registre) : m_registre(registre) {}

    // Predefined root handle of a root name, 0 when the name is not one.
    static RegistryBackend::Handle CleRacine(const QString& nom);
    // Replaces `chemin` by its subkey (or by "@" when malformed) and sets the root handle.
    void SeparerCle(QString& chemin);
    // The string value `nom` of the key `chemin`: nothing, "Error", or the value.
    std::optional<QString> LireRegistre(QString& chemin, const QString& nom);
    // Folder of installed programs: the value, "Error", "C:\TEMP" or "".
    QString DossierProgrammes();

    // Set by LireRegistre when the key path was malformed; cleared by DossierProgrammes.
    bool CleInvalide() const { return m_cleInvalide; }

private:
    RegistryBackend& m_registre;
    RegistryBackend::Handle m_racine = 0;
    bool m_cleInvalide = false;
};
