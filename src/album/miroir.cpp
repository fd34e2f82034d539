#include "album/miroir.h"

#include "platform/settingsstore.h"
#include "saver/listephotos.h"
#include "settings/reglages.h"

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
