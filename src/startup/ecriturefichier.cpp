#include "startup/ecriturefichier.h"

#include <QSaveFile>

QString ecrireFichierEntier(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return fichier.errorString();
    // A large write that the disk takes only in part returns the part it took, with no error;
    // a small one waits in the buffer, whose failure at the commit's flush the commit forgets.
    if (fichier.write(contenu) != contenu.size() || !fichier.flush()) {
        const QString raison = fichier.error() != QFileDevice::NoError
                                   ? fichier.errorString()
                                   : QStringLiteral("écriture incomplète, disque plein ?");
        fichier.cancelWriting();
        return raison;
    }
    if (!fichier.commit())
        return fichier.errorString();
    return {};
}
