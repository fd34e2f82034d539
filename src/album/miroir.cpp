#include "album/miroir.h"

#include "platform/settingsstore.h"
#include "settings/reglages.h"

#include <algorithm>

QStringList ChargerPhotos(const SettingsStore& store) {
    QStringList liste;
    // Positions are 16-bit: a longer list could not be chosen from.
    constexpr int MaxPhotos = 32767;
    // Keys are read by the thousand, each lot with one look at the settings file: one look per
    // key held the dialog's start for a long list, and the keys past a short one are not built.
    constexpr int Lot = 1024;
    for (int debut = 0; debut < MaxPhotos; debut += Lot) {
        QStringList cles;
        for (int i = debut; i < std::min(debut + Lot, MaxPhotos); ++i)
            cles.append(Reglages::fichier(i).cle);
        for (const QString& v : store.readMany(Reglages::Section::ListeDeFichiers, cles)) {
            if (v.isEmpty())
                return liste;
            liste.append(v);
        }
    }
    return liste;
}

QStringList LireMiroir(const SettingsStore& reglages) {
    // One rule for the dialog and the screen saver, so both see the same album.
    return ChargerPhotos(reglages);
}

void RecrireMiroir(SettingsStore& reglages, const QStringList& photos) {
    const SettingsBatch lot(reglages);
    Reglages::effacerSection(reglages, Reglages::Section::ListeDeFichiers);
    for (qsizetype i = 0; i < photos.size(); ++i)
        Reglages::ecrire(reglages, Reglages::fichier(int(i)), photos[i]);
}
