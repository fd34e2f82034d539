#include "wallpaper/ouvririmage.h"

#include "platform/desktop.h"
#include "platform/heifpictures.h"
#include "platform/prompts.h"
#include "wallpaper/textesfonds.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>

bool EstUneImage(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.isFile())
        return false;
    QImageReader lecteur(chemin);
    lecteur.setDecideFormatFromContent(true);
    QFile fichier(chemin);
    if (!lecteur.canRead() &&
        !(fichier.open(QIODevice::ReadOnly) && HeifPictures::recognises(fichier.read(64))))
        return false;
    return QMimeDatabase().mimeTypeForFile(info).name().startsWith(QStringLiteral("image/"));
}

void OuvrirImage(const QString& chemin, Desktop& bureau, Prompts& questions) {
    if (chemin.isEmpty())
        return;
    if (EstUneImage(chemin))
        bureau.openFile(chemin);
    else
        questions.notify(TextesFonds::PasUneImage.arg(chemin));
}
