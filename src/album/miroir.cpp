#include "album/miroir.h"

#include "platform/settingsstore.h"
#include "settings/reglages.h"

QStringList ChargerPhotos(const SettingsStore& store) {
    QStringList liste;
    // Positions are 16-bit: a longer list could not be chosen from.
    constexpr qsizetype MaxPhotos = 32767;
    for (int i = 0; liste.size() < MaxPhotos; ++i) {
        const QString v = Reglages::lire(store, Reglages::fichier(i));
        if (v.isEmpty())
            break;
        liste.append(v);
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
