#include "wallpaper/ouvririmage.h"

#include "pictures/heifpictures.h"
#include "platform/desktop.h"
#include "platform/prompts.h"
#include "platform/regularfile.h"
#include "wallpaper/textesfonds.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>

bool estUneImage(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!isRegularFile(info))
        return false;
    QImageReader lecteur(chemin);
    lecteur.setDecideFormatFromContent(true);
    QFile fichier(chemin);
    if (!lecteur.canRead() &&
        !(fichier.open(QIODevice::ReadOnly) && HeifPictures::recognises(fichier.read(64))))
        return false;
    return QMimeDatabase().mimeTypeForFile(info).name().startsWith(QStringLiteral("image/"));
}

void ouvrirImage(const QString& chemin, Desktop& bureau, Prompts& questions) {
    if (chemin.isEmpty())
        return;
    if (estUneImage(chemin))
        bureau.openFile(chemin);
    else
        questions.notify(TextesFonds::PasUneImage.arg(chemin));
}
