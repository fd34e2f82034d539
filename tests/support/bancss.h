#pragma once

// A display form on test doubles, with photos of known solid colours on disk.

#include "controls/photopanel.h"
#include "controls/transitionpanel.h"
#include "doubles.h"
#include "samples.h"
#include "saver/ss.h"
#include "settings/reglages.h"
#include "startup/module1.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct BancSS {
    TestServices ts;
    QTemporaryDir dossier;
    int fins = 0;
    Module1 module{dossier.path(), {}, [this] { ++fins; }};
    std::unique_ptr<SS> ss;

    explicit BancSS(const QString& ligne = QStringLiteral("/S")) {
        module.lireLigneCommande(ligne);
    }

    // The form's controls, as the user sees them.
    PhotoPanel* photo() const { return ss->findChild<PhotoPanel*>(QStringLiteral("Photo")); }
    TransitionPanel* transition() const {
        return ss->findChild<TransitionPanel*>(QStringLiteral("SSTransition1"));
    }

    static QColor couleur(int i) { return QColor::fromHsv((i * 67) % 360, 255, 255); }

    // n photos of distinct solid colours; returns their paths.
    QStringList photos(int n) {
        QStringList chemins;
        for (int i = 0; i < n; ++i) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(couleur(i));
            const QString chemin = dossier.filePath(QStringLiteral("photo %1.bmp").arg(i));
            Samples::write(image, chemin, Samples::Format::Bmp);
            chemins << chemin;
        }
        return chemins;
    }

    // Creates the form, fills its list and puts a first photo in place, as start-up does.
    SS& demarrer(const QStringList& liste) {
        ss = std::make_unique<SS>(ts.services, module);
        ss->poserListe(liste);
        ss->afficherPhoto(ChoisirPhotoPremiere());
        // Enabled as in a show, but the test drives every tick itself.
        ss->start(24 * 3600 * 1000);
        return *ss;
    }

    qint16 ChoisirPhotoPremiere();

    // One tick once the next photo is decoded, as the running show sees it.
    bool tic() {
        if (!ss->liste().isEmpty() && !QTest::qWaitFor([this] { return ss->suivantePrete(); }))
            return false;
        ss->Timer1_Timer();
        // The wallpaper of the day is applied off the UI thread: a tick is over when it is.
        return QTest::qWaitFor([this] { return !ss->fondEcranEnCours(); });
    }

    // Position in `liste` of the photo on screen, found by its colour; -1 when none.
    int photoAffichee(int n) const {
        const QImage& p = photo()->picture();
        if (p.isNull())
            return -1;
        const QColor c = p.pixelColor(p.width() / 2, p.height() / 2);
        for (int i = 0; i < n; ++i)
            if (c.rgb() == couleur(i).rgb())
                return i;
        return -1;
    }
};

#include "saver/listephotos.h"

inline qint16 BancSS::ChoisirPhotoPremiere() {
    return ChoisirPhoto(qint16(ss->liste().size()), module.DernierePhoto(), ts.random);
}
