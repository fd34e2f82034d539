#include "album/miroir.h"

#include "platform/settingsbatch.h"
#include "platform/settingsstore.h"
#include "settings/reglages.h"

#include <algorithm>

QStringList ChargerPhotos(const SettingsStore& store) {
    return ChargerPhotos([&store](const QString& section, const QStringList& cles) {
        return store.readMany(section, cles);
    });
}

QStringList ChargerPhotos(const SettingsStore::ConcurrentReader& lire) {
    QStringList liste;
    // Positions are 16-bit: a longer list could not be chosen from.
    constexpr int MaxPhotos = 32767;
    // Keys are read in lots, each with one look at the settings file: one look per key held the
    // dialog's start for a long list. Lots start small and double, so that a short list does not
    // pay for a thousand keys it does not have.
    for (int debut = 0, lot = 64; debut < MaxPhotos; debut += lot, lot = std::min(lot * 2, 4096)) {
        QStringList cles;
        for (int i = debut; i < std::min(debut + lot, MaxPhotos); ++i)
            cles.append(Reglages::fichier(i).cle);
        for (const QString& v : lire(Reglages::Section::ListeDeFichiers, cles)) {
            if (v.isEmpty())
                return liste;
            liste.append(v);
        }
    }
    return liste;
}

void recrireMiroir(SettingsStore& reglages, const QStringList& photos) {
    const SettingsBatch lot(reglages);
    Reglages::effacerSection(reglages, Reglages::Section::ListeDeFichiers);
    for (qsizetype i = 0; i < photos.size(); ++i)
        Reglages::ecrire(reglages, Reglages::fichier(int(i)), photos[i]);
}
