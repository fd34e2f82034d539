// The album as the dialog shows it: start-up, the commands, the list, its menu and the close
// button, driven through the form with scripted message boxes and file dialogs.
#include "album/miroir.h"
#include "bancform2.h"
#include "config/form2textes.h"
#include "controls/picturebutton.h"
#include "controls/twips.h"
#include "fichiers.h"
#include "samples.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <sys/stat.h>

namespace {

const QString Demarrage = QStringLiteral("Demarrage");
const QChar Nul(0);

QByteArray lignesAlbum(const QStringList& chemins) {
    QByteArray octets;
    for (qsizetype i = 0; i < chemins.size(); ++i)
        octets += QStringLiteral("%1 %2\r\n").arg(i, 4, 10, QChar(u'0')).arg(chemins[i]).toUtf8();
    return octets;
}

// The answers the user gives next, and the files the user picks next.
void repondre(BancForm2& b, const QList<bool>& reponses) {
    fixer(b.ts.prompts.answers, reponses);
}
void choisir(BancForm2& b, const QStringList& fichiers) {
    fixer(b.ts.files.results, fichiers);
}

QImage image(const QLabel* l) {
    return l->pixmap().toImage();
}

// Photos of three shapes and formats, an album folder, and names for them in test data.
class Atelier {
public:
    Atelier() {
        const QStringList faites =
            Samples::writeSet(m_dir.filePath(QStringLiteral("photos")),
                              {{QStringLiteral("large"), QSize(400, 300), Samples::Format::Jpeg},
                               {QStringLiteral("haute"), QSize(150, 200), Samples::Format::Gif},
                               {QStringLiteral("petite"), QSize(100, 80), Samples::Format::Bmp}});
        const QStringList noms = {QStringLiteral("large"), QStringLiteral("haute"),
                                  QStringLiteral("petite")};
        for (qsizetype i = 0; i < faites.size(); ++i)
            m_chemins.insert(noms[i], faites[i]);
        m_chemins.insert(QStringLiteral("absente"), dossier() + QStringLiteral("absente.jpg"));
        m_chemins.insert(QStringLiteral("texte"), dossier() + QStringLiteral("notes.jpg"));
        ecrire(m_chemins[QStringLiteral("texte")], "pas une image");
        m_chemins.insert(QStringLiteral("dossier"), dossier());
        m_chemins.insert(QStringLiteral("fifo"), dossier() + QStringLiteral("attente.jpg"));
        ::mkfifo(QFile::encodeName(m_chemins[QStringLiteral("fifo")]).constData(), 0600);
        QDir().mkpath(albums());
    }
    QString operator[](const QString& nom) const { return m_chemins.value(nom, nom); }
    QStringList chemins(const QStringList& noms) const {
        QStringList v;
        for (const QString& n : noms)
            v << (*this)[n];
        return v;
    }
    QString dossier() const {
        return QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("photos"))) +
               QDir::separator();
    }
    QString albums() const {
        return QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("albums"))) +
               QDir::separator();
    }
    // A remembered album file of these photos, reopened at the next start.
    void retenir(SettingsStore& s, const QString& titre, const QStringList& noms) const {
        ecrire(albums() + titre + QStringLiteral(".alb"), lignesAlbum(chemins(noms)));
        Samples::writeAlbum(s, chemins(noms));
        s.write(Demarrage, QStringLiteral("Album"), titre);
        s.write(Demarrage, QStringLiteral("RepertoireOpen"), albums());
    }

private:
    QTemporaryDir m_dir;
    QMap<QString, QString> m_chemins;
};

// The list box shows the album's list and the settings store mirrors it.
void verifierListe(const BancForm2& b, const QStringList& attendue) {
    QCOMPARE(entrees(listeDe(*b.form)->ListeS), attendue);
    QCOMPARE(b.form->etat().album.Liste, attendue);
    QCOMPARE(LireMiroir(b.ts.settings), attendue);
    QVERIFY(!listeDe(*b.form)->ListeS->isHidden());
    QVERIFY(vignettesDe(*b.form)->isHidden());
}

} // namespace

class TestForm2Album : public QObject {
    Q_OBJECT
private slots:
    void demarrage_data();
    void demarrage();
    void clicDansLaListe_data();
    void clicDansLaListe();
    void nouveauClicFichierDisparu();
    void focusSeulNeChoisitRien();
    void retraitParLeMenu();
    void commandePhotos_data();
    void commandePhotos();
    void commandeAlbum_data();
    void commandeAlbum();
    void commandeEnregistrer_data();
    void commandeEnregistrer();
    void boutonFermer_data();
    void boutonFermer();
    void commandeWeb();

private:
    Atelier m_a;
};

void TestForm2Album::demarrage_data() {
    QTest::addColumn<QStringList>("miroir");
    QTest::addColumn<QStringList>("fichier"); // the remembered album's photos; empty: none
    QTest::addColumn<bool>("fichierPresent");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("titre");
    QTest::newRow("empty store") << QStringList() << QStringList() << false << QStringList() << "";
    QTest::newRow("the mirror, no album remembered")
        << QStringList{"large", "haute"} << QStringList() << false << QStringList{"large", "haute"}
        << "";
    QTest::newRow("the remembered album replaces the mirror")
        << QStringList{"large", "haute"} << QStringList{"petite", "large"} << true
        << QStringList{"petite", "large"} << "NOEL";
    QTest::newRow("the remembered album's file is gone: the list stays")
        << QStringList{"large"} << QStringList{"petite"} << false << QStringList{"large"} << "NOEL";
    QTest::newRow("an empty list stays the remembered album's")
        << QStringList() << QStringList{"petite"} << true << QStringList() << "NOEL";
}

void TestForm2Album::demarrage() {
    QFETCH(QStringList, miroir);
    QFETCH(QStringList, fichier);
    QFETCH(bool, fichierPresent);
    QFETCH(QStringList, liste);
    QFETCH(QString, titre);
    BancForm2 b;
    if (!fichier.isEmpty()) {
        m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), fichier);
        if (!fichierPresent)
            QFile::remove(m_a.albums() + QStringLiteral("NOEL.alb"));
    }
    Samples::writeAlbum(b.ts.settings, m_a.chemins(miroir));
    Form2& f = b.ouvrir();
    verifierListe(b, m_a.chemins(liste));
    QCOMPARE(listeDe(f)->TitreAlbum->text(), titre);
    if (liste.isEmpty()) {
        QCOMPARE(listeDe(f)->ListeS->currentRow(), -1);
        // The marker set for the list loaded first stays.
        QCOMPARE(vignettesDe(f)->TagIm0, miroir.isEmpty() ? QString() : QStringLiteral("0"));
        if (miroir.isEmpty())
            QVERIFY(controle<QLabel>(f, QStringLiteral("Photo"))->isHidden());
    } else {
        QCOMPARE(listeDe(f)->ListeS->currentRow(), 0);
        QCOMPARE(vignettesDe(f)->TagIm0, QStringLiteral("0"));
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[liste[0]]);
        QVERIFY(!controle<QLabel>(f, QStringLiteral("Photo"))->isHidden());
    }
}

void TestForm2Album::clicDansLaListe_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("apercu");  // false: the placeholder
    QTest::addColumn<QRectF>("place"); // twips
    QTest::newRow("wide: 2755 wide") << "large" << true << QRectF(8290, 4554, 2755, 2066.25);
    QTest::newRow("high: 2275 high") << "haute" << true << QRectF(8814, 4450, 1706.25, 2275);
    QTest::newRow("fits: natural size") << "petite" << true << QRectF(8917, 4987, 1500, 1200);
    QTest::newRow("missing file") << "absente" << false << QRectF(8757, 4450, 1820, 2275);
    QTest::newRow("not a picture") << "texte" << false << QRectF(8757, 4450, 1820, 2275);
    QTest::newRow("a folder") << "dossier" << false << QRectF(8757, 4450, 1820, 2275);
    QTest::newRow("a FIFO") << "fifo" << false << QRectF(8757, 4450, 1820, 2275);
}

// The first entry is previewed at start; a click on another previews it, or shows the
// placeholder and leaves the rest as it was.
void TestForm2Album::clicDansLaListe() {
    QFETCH(QString, nom);
    QFETCH(bool, apercu);
    QFETCH(QRectF, place);
    BancForm2 b;
    Samples::writeAlbum(b.ts.settings, m_a.chemins({QStringLiteral("petite"), nom}));
    Form2& f = b.montrer();
    const QString premiere = m_a[QStringLiteral("petite")];
    QCOMPARE(listeDe(f)->ListeS->toolTip(), premiere);
    for (PictureButton* v : {jourDe(f)->Valider, jourDe(f)->TValider})
        v->setEnabled(false);
    cliquerEntree(listeDe(f)->ListeS, 1);
    b.attendreApercu();
    QCOMPARE(listeDe(f)->ListeS->currentRow(), 1);
    QVERIFY(!controle<QLabel>(f, QStringLiteral("Photo"))->isHidden());
    QCOMPARE(dansDialogue(controle<QLabel>(f, QStringLiteral("Photo"))),
             Twips::rect(place.x(), place.y(), place.width(), place.height()));
    if (apercu) {
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[nom]);
        QCOMPARE(listeDe(f)->ListeS->toolTip(), m_a[nom]);
        QVERIFY(jourDe(f)->Valider->isEnabled() && jourDe(f)->TValider->isEnabled());
        QVERIFY(image(controle<QLabel>(f, QStringLiteral("Photo"))) !=
                image(controle<QLabel>(f, QStringLiteral("Nophoto"))));
    } else {
        QCOMPARE(image(controle<QLabel>(f, QStringLiteral("Photo"))),
                 image(controle<QLabel>(f, QStringLiteral("Nophoto"))));
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), QString());
        QCOMPARE(listeDe(f)->ListeS->toolTip(), premiere);
        QVERIFY(!jourDe(f)->Valider->isEnabled() && !jourDe(f)->TValider->isEnabled());
    }
}

// A click on the entry already chosen looks at the file again; the keyboard previews too.
void TestForm2Album::nouveauClicFichierDisparu() {
    QTemporaryDir dir;
    const QString copie = dir.filePath(QStringLiteral("copie.jpg"));
    QVERIFY(QFile::copy(m_a[QStringLiteral("large")], copie));
    BancForm2 b;
    Samples::writeAlbum(b.ts.settings, {copie, m_a[QStringLiteral("haute")]});
    Form2& f = b.montrer();
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), copie);
    QVERIFY(QFile::remove(copie));
    cliquerEntree(listeDe(f)->ListeS, 0);
    b.attendreApercu();
    QCOMPARE(image(controle<QLabel>(f, QStringLiteral("Photo"))),
             image(controle<QLabel>(f, QStringLiteral("Nophoto"))));
    QTest::keyClick(listeDe(f)->ListeS, Qt::Key_Down);
    b.attendreApercu();
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[QStringLiteral("haute")]);
}

// After a command refilled the list nothing is chosen; the list taking the keyboard focus gives
// an entry the focus, which neither previews it nor lets the menu act on it.
void TestForm2Album::focusSeulNeChoisitRien() {
    BancForm2 b;
    Samples::writeAlbum(b.ts.settings, m_a.chemins({QStringLiteral("large")}));
    Form2& f = b.montrer();
    choisir(b, {m_a.dossier() + Nul + QStringLiteral("petite.bmp")});
    repondre(b, {true});
    cliquer(barreDe(f)->Boutons[1]);
    QCOMPARE(listeDe(f)->EntreeChoisie(), -1);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(listeDe(f)->ListeS, &focus);
    QCOMPARE(listeDe(f)->EntreeChoisie(), -1);
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[QStringLiteral("large")]);
    cliquerEntree(listeDe(f)->ListeS, 0, Qt::RightButton);
    QVERIFY(!listeDe(f)->Menus->isVisible());
}

void TestForm2Album::retraitParLeMenu() {
    BancForm2 b;
    const QStringList noms = {QStringLiteral("large"), QStringLiteral("haute"),
                              QStringLiteral("petite")};
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), noms);
    const QString fichier = m_a.albums() + QStringLiteral("NOEL.alb");
    const QByteArray avant = contenu(fichier);
    Form2& f = b.montrer();
    for (PictureButton* e : {barreDe(f)->Boutons[3], barreDe(f)->TBoutons[3]})
        e->setEnabled(false);
    QCOMPARE(listeDe(f)->Supp->text(),
             QStringLiteral("&Enlever la photo sélectionner de la liste"));
    QCOMPARE(listeDe(f)->Paper->text(),
             QStringLiteral("&Mettre la photo comme Papier Peint du jour sélectionné"));
    QCOMPARE(listeDe(f)->Menus->actions(), (QList<QAction*>{listeDe(f)->Supp, listeDe(f)->Paper}));

    cliquerEntree(listeDe(f)->ListeS, 1);
    const auto offrirEtEnlever = [&](bool reponse) {
        repondre(b, {reponse});
        cliquerEntree(listeDe(f)->ListeS, 2, Qt::RightButton);
        QTRY_VERIFY(listeDe(f)->Menus->isVisible());
        QCOMPARE(listeDe(f)->ListeS->currentRow(), 1); // the menu acts on the entry chosen before
        QTest::mouseClick(listeDe(f)->Menus, Qt::LeftButton, {},
                          listeDe(f)->Menus->actionGeometry(listeDe(f)->Supp).center());
        QTRY_VERIFY(!listeDe(f)->Menus->isVisible());
    };
    offrirEtEnlever(false);
    verifierListe(b, m_a.chemins(noms));
    QCOMPARE(contenu(fichier), avant);
    QVERIFY(!barreDe(f)->Boutons[3]->isEnabled() && !barreDe(f)->TBoutons[3]->isEnabled());
    QCOMPARE(b.ts.prompts.asked,
             QStringList{QStringLiteral("Etes vous sur de vouloir enlever cette photo ? ")});

    offrirEtEnlever(true);
    const QStringList reste = m_a.chemins({QStringLiteral("large"), QStringLiteral("petite")});
    verifierListe(b, reste);
    QCOMPARE(contenu(fichier), lignesAlbum(reste));
    QVERIFY(barreDe(f)->Boutons[3]->isEnabled() && barreDe(f)->TBoutons[3]->isEnabled());
    QCOMPARE(listeDe(f)->TitreAlbum->text(), QStringLiteral("NOEL"));
    QVERIFY(!f.etat().AlbumModifie);
}

void TestForm2Album::commandePhotos_data() {
    QTest::addColumn<QString>("choix");
    QTest::addColumn<QList<bool>>("reponses");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("titre");
    const QString deux =
        m_a.dossier() + Nul + QStringLiteral("haute.gif") + Nul + QStringLiteral("petite.bmp");
    QTest::newRow("cancelled") << "" << QList<bool>() << QStringList{"large"} << "NOEL";
    QTest::newRow("added to the album")
        << deux << QList<bool>{false} << QStringList{"large", "haute", "petite"} << "NOEL";
    QTest::newRow("a new album") << deux << QList<bool>{true} << QStringList{"haute", "petite"}
                                 << "";
}

void TestForm2Album::commandePhotos() {
    QFETCH(QString, choix);
    QFETCH(QList<bool>, reponses);
    QFETCH(QStringList, liste);
    QFETCH(QString, titre);
    BancForm2 b;
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), {QStringLiteral("large")});
    Form2& f = b.montrer();
    for (PictureButton* e : {barreDe(f)->Boutons[3], barreDe(f)->TBoutons[3]})
        e->setEnabled(false);
    choisir(b, {choix});
    repondre(b, reponses);
    cliquer(barreDe(f)->TBoutons[1]);
    QCOMPARE(b.ts.files.calls, QStringList{QStringLiteral("openMany")});
    verifierListe(b, m_a.chemins(liste));
    QCOMPARE(listeDe(f)->TitreAlbum->text(), titre);
    QVERIFY(barreDe(f)->Boutons[3]->isEnabled() && barreDe(f)->TBoutons[3]->isEnabled());
}

void TestForm2Album::commandeAlbum_data() {
    QTest::addColumn<QString>("choix"); // album file name in the albums folder; "": cancelled
    QTest::addColumn<QStringList>("photos");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("titre");
    QTest::newRow("cancelled") << "" << QStringList() << QStringList{"large"} << "NOEL";
    QTest::newRow("an album of two") << "voyage.alb" << QStringList{"haute", "petite"}
                                     << QStringList{"haute", "petite"} << "VOYAGE";
    QTest::newRow("an empty album") << "vide.alb" << QStringList() << QStringList() << "VIDE";
}

void TestForm2Album::commandeAlbum() {
    QFETCH(QString, choix);
    QFETCH(QStringList, photos);
    QFETCH(QStringList, liste);
    QFETCH(QString, titre);
    BancForm2 b;
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), {QStringLiteral("large")});
    Form2& f = b.montrer();
    vignettesDe(f)->TagIm0 = QStringLiteral("4");
    if (!choix.isEmpty()) {
        ecrire(m_a.albums() + choix, lignesAlbum(m_a.chemins(photos)));
        choisir(b, {m_a.albums() + choix});
    }
    cliquer(barreDe(f)->Boutons[0]);
    b.attendreApercu();
    verifierListe(b, m_a.chemins(liste));
    QCOMPARE(listeDe(f)->TitreAlbum->text(), titre);
    QCOMPARE(f.etat().ArretChargement, !choix.isEmpty());
    QCOMPARE(vignettesDe(f)->TagIm0,
             liste.isEmpty() || choix.isEmpty() ? QString() : QStringLiteral("0"));
    if (choix.isEmpty()) {
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(),
                 m_a[QStringLiteral("large")]);
    } else if (liste.isEmpty()) {
        QVERIFY(controle<QLabel>(f, QStringLiteral("Photo"))->pixmap().isNull());
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), QString());
    } else {
        QCOMPARE(listeDe(f)->ListeS->currentRow(), 0);
        QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_a[liste[0]]);
    }
}

void TestForm2Album::commandeEnregistrer_data() {
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QString>("titre");
    QTest::newRow("saved") << true << "VOYAGE";
    QTest::newRow("not confirmed") << false << "";
}

void TestForm2Album::commandeEnregistrer() {
    QFETCH(bool, oui);
    QFETCH(QString, titre);
    BancForm2 b;
    const QStringList photos = m_a.chemins({QStringLiteral("large"), QStringLiteral("haute")});
    Samples::writeAlbum(b.ts.settings, photos);
    Form2& f = b.montrer();
    const QString fichierAlbum = f.etat().FichierAlbum;
    const QString fichier = m_a.albums() + QStringLiteral("voyage-%1.alb").arg(oui);
    choisir(b, {fichier});
    repondre(b, {oui});
    cliquer(barreDe(f)->TBoutons[3]);
    QCOMPARE(listeDe(f)->TitreAlbum->text(),
             titre.isEmpty() ? titre : titre + u'-' + QString::number(oui));
    QCOMPARE(contenu(fichier), oui ? lignesAlbum(photos) : QByteArray("<absent>"));
    QCOMPARE(f.etat().FichierAlbum, oui ? fichier : fichierAlbum);
}

void TestForm2Album::boutonFermer_data() {
    QTest::addColumn<bool>("modifie");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<bool>("inscriptible");
    QTest::addColumn<int>("fins");
    QTest::addColumn<bool>("gestionnaire"); // closed by the window manager (Alt+F4, taskbar)
    QTest::newRow("no changes: no question") << false << true << true << 1 << false;
    QTest::newRow("changes, No: ends unsaved") << true << false << true << 1 << false;
    QTest::newRow("changes, Yes: saved, then ends") << true << true << true << 1 << false;
    QTest::newRow("changes, Yes, the file cannot be written: stays open")
        << true << true << false << 0 << false;
    QTest::newRow("window manager: saved, then ends") << true << true << true << 1 << true;
    QTest::newRow("window manager, the file cannot be written: stays open")
        << true << true << false << 0 << true;
}

void TestForm2Album::boutonFermer() {
    QFETCH(bool, modifie);
    QFETCH(bool, oui);
    QFETCH(bool, inscriptible);
    QFETCH(int, fins);
    QFETCH(bool, gestionnaire);
    BancForm2 b;
    m_a.retenir(b.ts.settings, QStringLiteral("NOEL"), {QStringLiteral("large")});
    const QString fichier = m_a.albums() + QStringLiteral("NOEL.alb");
    const QByteArray avant = contenu(fichier);
    Form2& f = b.montrer();
    QStringList attendue = m_a.chemins({QStringLiteral("large")});
    if (modifie) {
        // Photos added to the album are the change a user makes.
        choisir(b, {m_a[QStringLiteral("petite")]});
        repondre(b, {false});
        cliquer(barreDe(f)->Boutons[1]);
        attendue << m_a[QStringLiteral("petite")];
        QVERIFY(f.etat().AlbumModifie);
    }
    if (!inscriptible)
        f.etat().FichierAlbum = m_a.albums() + QStringLiteral("absent/NOEL.alb");
    b.ts.prompts.asked.clear();
    repondre(b, {oui});
    if (gestionnaire)
        f.windowHandle()->close();
    else
        cliquer(controle<PictureButton>(f, QStringLiteral("Menu1")));
    QCOMPARE(b.fins, fins);
    QCOMPARE(f.isVisible(), fins == 0);
    if (modifie)
        QCOMPARE(b.ts.prompts.asked.value(0),
                 QStringLiteral("L'album a été modifié, voulez vous sauvegarder ? "));
    else
        QVERIFY(b.ts.prompts.asked.isEmpty());
    QCOMPARE(contenu(fichier), modifie && oui && inscriptible ? lignesAlbum(attendue) : avant);
    if (!inscriptible) {
        QCOMPARE(b.ts.prompts.kinds.last(), QStringLiteral("notice"));
        QVERIFY(f.etat().AlbumModifie);
        QCOMPARE(LireMiroir(b.ts.settings), attendue);
    }
}

void TestForm2Album::commandeWeb() {
    BancForm2 b;
    Form2& f = b.montrer();
    cliquer(barreDe(f)->TBoutons[5]);
    QCOMPARE(b.ts.desktop.pages, QStringList{Form2Textes::AdresseWeb});
    QCOMPARE(controle<QLabel>(f, QStringLiteral("L2"))->text(), Form2Textes::AdresseWeb);
    QVERIFY(f.isVisible());
}

QTEST_MAIN(TestForm2Album)
#include "test_form2album.moc"
