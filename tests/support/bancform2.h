#pragma once

// The configuration dialog over test doubles, with its end of program counted instead of done,
// and the ways a test reaches the dialog's panels and controls.

#include "browser/apercu.h"
#include "browser/listealbum.h"
#include "browser/placevignettes.h"
#include "config/barrecommandes.h"
#include "config/form2.h"
#include "config/panneauapropos.h"
#include "controls/picturebutton.h"
#include "doubles.h"
#include "platform/services.h"
#include "wallpaper/panneaujour.h"

#include <QListView>
#include <QTest>
#include <memory>

// The child of `f` named `nom`; a missing one ends the test run, since every later step would
// fail for the same reason.
template <typename W = QWidget> W* controle(const QWidget& f, const QString& nom) {
    W* w = f.findChild<W*>(nom);
    if (!w)
        qFatal("no control %s", qPrintable(nom));
    return w;
}

// Where a control stands in the dialog, whichever panel holds it.
inline QRect dansDialogue(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint()), w->size());
}

// The texts of a list box's entries, in order.
inline QStringList entrees(const QListView* liste) {
    QStringList v;
    for (int i = 0; i < liste->model()->rowCount(); ++i)
        v << liste->model()->index(i, 0).data().toString();
    return v;
}
inline int nombreEntrees(const QListView* liste) {
    return liste->model()->rowCount();
}
// The entry with the keyboard focus, -1 for none.
inline int ligneCourante(const QListView* liste) {
    return liste->currentIndex().row();
}

// A click at `point`, or at the middle of `w` when none is given.
inline void cliquer(QWidget* w, Qt::MouseButton bouton = Qt::LeftButton, QPoint point = {}) {
    QTest::mouseClick(w, bouton, {}, point.isNull() ? w->rect().center() : point);
}

inline void cliquerEntree(QListView* liste, int ligne, Qt::MouseButton bouton = Qt::LeftButton) {
    cliquer(liste->viewport(), bouton, liste->visualRect(liste->model()->index(ligne, 0)).center());
}

inline QListView* listeS(const QWidget& f) {
    return controle<QListView>(f, QStringLiteral("ListeS"));
}

// The command bar's icon `i` and its caption.
inline PictureButton* bouton(const QWidget& f, int i) {
    return controle<PictureButton>(f, QStringLiteral("Boutons%1").arg(i));
}
inline PictureButton* legende(const QWidget& f, int i) {
    return controle<PictureButton>(f, QStringLiteral("TBoutons%1").arg(i));
}

template <typename P> P* panneau(const QWidget& f) {
    P* p = f.findChild<P*>();
    if (!p)
        qFatal("no panel %s", P::staticMetaObject.className());
    return p;
}

inline BarreCommandes* barreDe(const QWidget& f) {
    return panneau<BarreCommandes>(f);
}
inline ListeAlbum* listeDe(const QWidget& f) {
    return panneau<ListeAlbum>(f);
}
inline PlaceVignettes* vignettesDe(const QWidget& f) {
    return panneau<PlaceVignettes>(f);
}
inline PanneauJour* jourDe(const QWidget& f) {
    return panneau<PanneauJour>(f);
}
inline PanneauAPropos* aproposDe(const QWidget& f) {
    return panneau<PanneauAPropos>(f);
}
inline Apercu* apercuDe(const QWidget& f) {
    return panneau<Apercu>(f);
}

struct BancForm2 {
    TestServices ts;
    Services& services;
    QString dossierProgramme = QStringLiteral("/opt/lumivane");
    int fins = 0;
    std::unique_ptr<Form2> form;

    explicit BancForm2(Services* autres = nullptr) : services(autres ? *autres : ts.services) {}
    Form2& ouvrir() {
        form = std::make_unique<Form2>(services, dossierProgramme, [this] { ++fins; });
        aproposDe(*form)->DureeGlissement = 0;
        if (!QTest::qWaitFor([this] { return !listeDe(*form)->lectureEnCours(); }))
            qFatal("album file never read");
        attendreApercu();
        return *form;
    }
    Form2& montrer() {
        ouvrir();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not exposed");
        return *form;
    }
    // The preview is loaded off the UI thread; its result is in place once this returns.
    void attendreApercu() {
        if (!QTest::qWaitFor([this] { return !apercuDe(*form)->occupe(); }))
            qFatal("preview never loaded");
    }
    QString lire(const QString& section, const QString& cle) const {
        return ts.settings.read(section, cle, QStringLiteral("absent"));
    }
};
