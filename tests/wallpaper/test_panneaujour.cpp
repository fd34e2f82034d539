// The weekday panel as a user drives it: the pressed-state protocol of the action buttons and
// their labels, the active and hover looks, "Paper", and the panel waiting while today's
// picture is applied. The fixed clock says Monday.
#include "controls/picturebutton.h"
#include "doubles.h"
#include "samples.h"
#include "wallpaper/panneaujour.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Wallpaper = QStringLiteral("Wallpaper");
const QColor Blanc(255, 255, 255), Jaune(255, 255, 0), Cyan(0, 255, 255);

struct Banc {
    TestServices ts;
    QTemporaryDir dossier;
    QString apercu; // what the preview frame shows
    PanneauJour panneau{ts.services, dossier.path(), [this] { return apercu; }};

    Banc() {
        QObject::connect(&panneau, &PanneauJour::afficherFichier, &panneau,
                         [this](const QString& f) { apercu = f; });
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
    b.panneau.Charger(2);
    QCOMPARE(b.panneau.Jour->count(), 7);
    QCOMPARE(b.panneau.Jour->currentText(), QStringLiteral("Lundi"));
    QCOMPARE(b.apercu, QStringLiteral("/photos/lundi.jpg"));
    QVERIFY(b.panneau.Valider->isEnabled() && b.panneau.TDevalider->isEnabled());
    b.panneau.Jour->setCurrentIndex(3);
    QCOMPARE(b.apercu, QString());
    QVERIFY(!b.panneau.Valider->isEnabled() && !b.panneau.TDevalider->isEnabled());
    QVERIFY(b.panneau.Sel->isEnabled() && b.panneau.TSel->isEnabled());
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
    b.panneau.Charger(2);
    b.panneau.Jour->setCurrentIndex(4);
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
    b.panneau.Charger(2);
    b.panneau.Jour->setCurrentIndex(4);
    QVERIFY(!b.panneau.Valider->isEnabled());
    b.apercu = QStringLiteral("/album/photo.jpg");
    b.panneau.Paper_Click();
    QCOMPARE(b.lire(4), QStringLiteral("/album/photo.jpg"));
    QVERIFY(!b.panneau.Valider->value());
}

void TestPanneauJour::choisirPuisConfirmerUnAutreJour() {
    Banc b;
    b.panneau.Charger(2);
    b.panneau.Jour->setCurrentIndex(4);
    fixer(b.ts.files.results, {b.dossier.filePath(QStringLiteral("choisie.jpg"))});
    b.panneau.TSel->click();
    QCOMPARE(b.ts.files.requests.first().title,
             QStringLiteral("Sélectionner les photos de fond d'écran"));
    QCOMPARE(b.ts.files.requests.first().filter,
             QStringLiteral("Tous les fichiers images|*.bmp;*.gif;*.jpg;*.jpeg"));
    QCOMPARE(b.apercu, b.dossier.filePath(QStringLiteral("choisie.jpg")));
    QVERIFY(!b.panneau.TSel->value() && !b.panneau.Sel->value());
    QVERIFY(b.panneau.Valider->isEnabled() && b.panneau.TValider->isEnabled());
    bool actifPendantLaQuestion = false;
    b.ts.prompts.whileAsking = [&] {
        PanneauJour& p = b.panneau;
        actifPendantLaQuestion = p.Valider->pictureUp() == p.ImageList2.last() &&
                                 p.Sel->pictureUp() == p.ImageList2.picture(1) &&
                                 p.TValider->textColor() == Cyan;
    };
    b.panneau.Valider->click();
    QVERIFY(actifPendantLaQuestion);
    QCOMPARE(b.lire(4), b.apercu);
    QVERIFY(!b.panneau.Valider->isEnabled() && !b.panneau.DeValider->isEnabled());
    QCOMPARE(b.panneau.TValider->textColor(), Blanc);
    QVERIFY(b.ts.wallpaper.given.isEmpty());
}

void TestPanneauJour::attendPendantLApplication() {
    Banc b;
    b.panneau.Charger(2);
    b.apercu = b.image();
    b.panneau.Paper_Click();
    // Decoding and writing go on elsewhere; the panel waits, the dialog does not.
    QVERIFY(!b.panneau.isEnabled());
    QVERIFY(b.panneau.Valider->value());
    QTRY_VERIFY(b.panneau.isEnabled());
    QCOMPARE(b.ts.wallpaper.given.size(), 1);
    QCOMPARE(b.ts.settings.read(Wallpaper, QStringLiteral("WallTemp")), b.apercu);
    QVERIFY(!b.panneau.Valider->value() && !b.panneau.Valider->isEnabled());
    QVERIFY(b.panneau.Sel->isEnabled() && b.panneau.Jour->isEnabled());
}

void TestPanneauJour::enleverVideLApercu() {
    Banc b;
    b.ts.settings.write(Wallpaper, QStringLiteral("Wall 1"), b.image());
    b.panneau.Charger(2);
    b.panneau.Survol(1);
    b.panneau.DeValider->click();
    QCOMPARE(b.lire(1), QStringLiteral("absent"));
    QCOMPARE(b.apercu, QString());
    QVERIFY(!b.panneau.DeValider->isEnabled() && !b.panneau.Valider->isEnabled());
    QCOMPARE(b.panneau.TDevalider->textColor(), Blanc);
    // The hover animation stops only when the pointer leaves.
    QVERIFY(b.panneau.Timer2.isActive());
    QVERIFY(b.ts.wallpaper.given.isEmpty());
}

void TestPanneauJour::survol_data() {
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("etiquette");
    QTest::newRow("Sel") << 0 << "Sel"
                         << "TSel";
    QTest::newRow("DeValider") << 1 << "DeValider"
                               << "TDevalider";
    QTest::newRow("Valider") << 2 << "Valider"
                             << "TValider";
}

// Hovering a button or its label animates the button and turns the label yellow; leaving
// stops it and brings both back to rest. (The frames themselves: test_form2_animation.)
void TestPanneauJour::survol() {
    QFETCH(int, image);
    QFETCH(QString, action);
    QFETCH(QString, etiquette);
    Banc b;
    PanneauJour& p = b.panneau;
    auto* a = p.findChild<PictureButton*>(action);
    auto* e = p.findChild<PictureButton*>(etiquette);
    emit e->pointerEntered({}, {}, 1, 1);
    QVERIFY(p.Timer2.isActive());
    QCOMPARE(p.Timer2.interval(), 300);
    QCOMPARE(e->textColor(), Jaune);
    p.Timer2_Timer();
    QCOMPARE(p.ImageSurvolee, qint16(image));
    emit a->pointerLeft({}, {}, -1, -1);
    QVERIFY(!p.Timer2.isActive());
    QCOMPARE(p.Timer2.interval(), 0);
    QCOMPARE(a->pictureUp(), p.ImageList2.picture(1));
    QCOMPARE(e->textColor(), Blanc);
}

QTEST_MAIN(TestPanneauJour)
#include "test_panneaujour.moc"
