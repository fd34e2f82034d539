// The weekday panel as a user drives it: the pressed-state protocol of the action buttons and
// their labels, the active and hover looks, "Paper", and the panel waiting while today's
// picture is applied. The fixed clock says Monday.
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "doubles.h"
#include "samples.h"
#include "wallpaper/imagesjour.h"
#include "wallpaper/panneaujour.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Wallpaper = QStringLiteral("Wallpaper");
const QColor Blanc(255, 255, 255), Jaune(255, 255, 0), Cyan(0, 255, 255);

PictureButton* bouton(const PanneauJour& p, const char* nom) {
    return p.findChild<PictureButton*>(QLatin1String(nom));
}

QComboBox* jour(const PanneauJour& p) {
    return p.findChild<QComboBox*>(QStringLiteral("Jour"));
}

struct Banc {
    TestServices ts;
    QTemporaryDir dossier;
    QString apercu; // what the preview frame shows
    PanneauJour panneau{ts.services, dossier.path()};

    Banc() {
        QObject::connect(&panneau, &PanneauJour::afficherFichier, &panneau,
                         [this](const QString& f) { montrer(f); });
    }
    void montrer(const QString& fichier) {
        apercu = fichier;
        panneau.apercuChange(fichier);
    }
    QString image() {
        const QString chemin = dossier.filePath(QStringLiteral("jour.jpg"));
        Samples::write(Samples::paint(QSize(64, 48), 4), chemin, Samples::Format::Jpeg);
        return chemin;
    }
    QString lire(int jour) const {
        return ts.settings.read(Wallpaper, QStringLiteral("Wall %1").arg(jour), "absent");
    }
};

} // namespace

class TestPanneauJour : public QObject {
    Q_OBJECT
private slots:
    void aujourdhuiAuDemarrage();
    void protocolePression_data();
    void protocolePression();
    void paperMemeValiderInactif();
    void choisirPuisConfirmerUnAutreJour();
    void attendPendantLApplication();
    void enleverVideLApercu();
    void survol_data();
    void survol();
};

void TestPanneauJour::aujourdhuiAuDemarrage() {
    Banc b;
    b.ts.settings.write(Wallpaper, QStringLiteral("Wall 1"), QStringLiteral("/photos/lundi.jpg"));
    b.panneau.charger(2);
    QCOMPARE(jour(b.panneau)->count(), 7);
    QCOMPARE(jour(b.panneau)->currentText(), QStringLiteral("Lundi"));
    QCOMPARE(b.apercu, QStringLiteral("/photos/lundi.jpg"));
    QVERIFY(bouton(b.panneau, "Valider")->isEnabled() &&
            bouton(b.panneau, "TDevalider")->isEnabled());
    jour(b.panneau)->setCurrentIndex(3);
    QCOMPARE(b.apercu, QString());
    QVERIFY(!bouton(b.panneau, "Valider")->isEnabled() &&
            !bouton(b.panneau, "TDevalider")->isEnabled());
    QVERIFY(bouton(b.panneau, "Sel")->isEnabled() && bouton(b.panneau, "TSel")->isEnabled());
}

// An action button acts on the click that pressed it, not on the click its release raises; a
// label passes its click on only while its button is enabled, and otherwise stays pressed.
void TestPanneauJour::protocolePression_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<bool>("image");    // the day has a picture: Valider and DeValider enabled
    QTest::addColumn<bool>("relache");  // the click comes with the pressed state off
    QTest::addColumn<int>("questions"); // questions and file dialogs
    QTest::newRow("Sel relache") << "Sel" << true << true << 0;
    QTest::newRow("Valider relache") << "Valider" << true << true << 0;
    QTest::newRow("DeValider relache") << "DeValider" << true << true << 0;
    QTest::newRow("TSel") << "TSel" << false << false << 1;
    QTest::newRow("TValider, Valider actif") << "TValider" << true << false << 1;
    QTest::newRow("TValider, Valider inactif") << "TValider" << false << false << 0;
    QTest::newRow("TDevalider, DeValider inactif") << "TDevalider" << false << false << 0;
}

void TestPanneauJour::protocolePression() {
    QFETCH(QString, bouton);
    QFETCH(bool, image);
    QFETCH(bool, relache);
    QFETCH(int, questions);
    Banc b;
    if (image)
        b.ts.settings.write(Wallpaper, QStringLiteral("Wall 4"), QStringLiteral("/p/jeudi.jpg"));
    b.panneau.charger(2);
    jour(b.panneau)->setCurrentIndex(4);
    fixer(b.ts.prompts.answers, {false});
    auto* p = b.panneau.findChild<PictureButton*>(bouton);
    if (relache)
        emit p->clicked(false);
    else
        p->click();
    QCOMPARE(b.ts.prompts.asked.size() + b.ts.files.calls.size(), questions);
    QCOMPARE(p->value(), !relache && questions == 0);
}

void TestPanneauJour::paperMemeValiderInactif() {
    Banc b;
    b.panneau.charger(2);
    jour(b.panneau)->setCurrentIndex(4);
    QVERIFY(!bouton(b.panneau, "Valider")->isEnabled());
    b.montrer(QStringLiteral("/album/photo.jpg"));
    b.panneau.Paper_Click();
    QCOMPARE(b.lire(4), QStringLiteral("/album/photo.jpg"));
    QVERIFY(!bouton(b.panneau, "Valider")->value());
}

void TestPanneauJour::choisirPuisConfirmerUnAutreJour() {
    Banc b;
    b.panneau.charger(2);
    jour(b.panneau)->setCurrentIndex(4);
    fixer(b.ts.files.results, {b.dossier.filePath(QStringLiteral("choisie.jpg"))});
    bouton(b.panneau, "TSel")->click();
    QCOMPARE(b.ts.files.requests.first().title,
             QStringLiteral("Sélectionner les photos de fond d'écran"));
    QVERIFY(b.ts.files.requests.first().filter.endsWith(
        QStringLiteral("*.heic;*.heif;*.avif|Tous les fichiers images|*.bmp;*.gif;*.jpg;*.jpeg")));
    QCOMPARE(b.apercu, b.dossier.filePath(QStringLiteral("choisie.jpg")));
    QVERIFY(!bouton(b.panneau, "TSel")->value() && !bouton(b.panneau, "Sel")->value());
    QVERIFY(bouton(b.panneau, "Valider")->isEnabled() &&
            bouton(b.panneau, "TValider")->isEnabled());
    const QList<QImage> images = ImagesJour::images(Decor::fondPanneau);
    bool actifPendantLaQuestion = false;
    b.ts.prompts.whileAsking = [&] {
        PanneauJour& p = b.panneau;
        actifPendantLaQuestion = bouton(p, "Valider")->pictureUp() == images.last() &&
                                 bouton(p, "Sel")->pictureUp() == images.first() &&
                                 bouton(p, "TValider")->textColor() == Cyan;
    };
    bouton(b.panneau, "Valider")->click();
    QVERIFY(actifPendantLaQuestion);
    QCOMPARE(b.lire(4), b.apercu);
    QVERIFY(!bouton(b.panneau, "Valider")->isEnabled() &&
            !bouton(b.panneau, "DeValider")->isEnabled());
    QCOMPARE(bouton(b.panneau, "TValider")->textColor(), Blanc);
    QVERIFY(b.ts.wallpaper.given.isEmpty());
}

void TestPanneauJour::attendPendantLApplication() {
    Banc b;
    b.panneau.charger(2);
    b.montrer(b.image());
    b.panneau.Paper_Click();
    // Decoding and writing go on elsewhere; the panel waits, the dialog does not.
    QVERIFY(!b.panneau.isEnabled());
    QVERIFY(bouton(b.panneau, "Valider")->value());
    QTRY_VERIFY(b.panneau.isEnabled());
    QCOMPARE(b.ts.wallpaper.given.size(), 1);
    QCOMPARE(b.ts.settings.read(Wallpaper, QStringLiteral("WallTemp")), b.apercu);
    QVERIFY(!bouton(b.panneau, "Valider")->value() && !bouton(b.panneau, "Valider")->isEnabled());
    QVERIFY(bouton(b.panneau, "Sel")->isEnabled() && jour(b.panneau)->isEnabled());
}

void TestPanneauJour::enleverVideLApercu() {
    Banc b;
    b.ts.settings.write(Wallpaper, QStringLiteral("Wall 1"), b.image());
    b.panneau.charger(2);
    b.panneau.survol(1);
    bouton(b.panneau, "DeValider")->click();
    QCOMPARE(b.lire(1), QStringLiteral("absent"));
    QCOMPARE(b.apercu, QString());
    QVERIFY(!bouton(b.panneau, "DeValider")->isEnabled() &&
            !bouton(b.panneau, "Valider")->isEnabled());
    QCOMPARE(bouton(b.panneau, "TDevalider")->textColor(), Blanc);
    // The hover animation stops only when the pointer leaves.
    QTRY_VERIFY(bouton(b.panneau, "DeValider")->pictureUp() !=
                ImagesJour::images(Decor::fondPanneau).first());
    QVERIFY(b.ts.wallpaper.given.isEmpty());
}

void TestPanneauJour::survol_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("etiquette");
    QTest::newRow("Sel") << "Sel"
                         << "TSel";
    QTest::newRow("DeValider") << "DeValider"
                               << "TDevalider";
    QTest::newRow("Valider") << "Valider"
                             << "TValider";
}

// Hovering a button or its label animates that button alone and turns the label yellow;
// leaving stops it and brings both back to rest. (The frames themselves: test_hoveranimation.)
void TestPanneauJour::survol() {
    QFETCH(QString, action);
    QFETCH(QString, etiquette);
    Banc b;
    PanneauJour& p = b.panneau;
    const QList<QImage> images = ImagesJour::images(Decor::fondPanneau);
    auto* a = p.findChild<PictureButton*>(action);
    auto* e = p.findChild<PictureButton*>(etiquette);
    emit e->pointerEntered({}, {}, 1, 1);
    QCOMPARE(e->textColor(), Jaune);
    QTRY_VERIFY(a->pictureUp() != images.first());
    QCOMPARE(a->pictureDown(), images.last());
    for (const char* autre : {"Sel", "DeValider", "Valider"})
        if (bouton(p, autre) != a)
            QCOMPARE(bouton(p, autre)->pictureUp(), images.first());
    emit a->pointerLeft({}, {}, -1, -1);
    QCOMPARE(a->pictureUp(), images.first());
    QCOMPARE(e->textColor(), Blanc);
    QTest::qWait(400);
    QCOMPARE(a->pictureUp(), images.first());
}

QTEST_MAIN(TestPanneauJour)
#include "test_panneaujour.moc"
