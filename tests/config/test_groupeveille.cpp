// The idle start's group as the user finds it: the panel of further options opened from the
// main window, the check box that turns the watcher on and off, the delay, the show tried now.
#include "bancform2.h"
#include "controls/picturebutton.h"
#include "veille/commandeveille.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

class TestGroupeVeille : public QObject {
    Q_OBJECT
    // The dialog shown, the panel of further options opened by its control.
    Form2& ouvrir(BancForm2& b) {
        Form2& f = b.montrer();
        controle<PictureButton>(f, QStringLiteral("AutresOptions"))->click();
        return f;
    }

private slots:
    void init() { QFile::remove(cheminEntreeVeille()); }
    void disponibilite_data();
    void disponibilite();
    void reglages();
};

void TestGroupeVeille::disponibilite_data() {
    QTest::addColumn<bool>("source");
    QTest::addColumn<bool>("hote");
    QTest::addColumn<bool>("entree");
    QTest::addColumn<bool>("permise");
    QTest::newRow("une source répond") << true << false << false << true;
    QTest::newRow("aucune source") << false << false << false << false;
    QTest::newRow("un écran de veille tourne") << true << true << false << false;
    QTest::newRow("active sans source : on peut l'arrêter") << false << false << true << true;
}

void TestGroupeVeille::disponibilite() {
    QFETCH(bool, source);
    QFETCH(bool, hote);
    QFETCH(bool, entree);
    if (entree)
        QCOMPARE(activerVeille(QStringLiteral("/bin/true"), true).code, 0);
    BancForm2 b;
    b.ts.idle.answers = source;
    b.ts.idle.host = hote;
    const Form2& f = ouvrir(b);
    auto* c = controle<QCheckBox>(f, QStringLiteral("CaseVeille"));
    QVERIFY(c->isVisible());
    QCOMPARE(c->isChecked(), entree);
    QTEST(c->isEnabled(), "permise");
    QCOMPARE(controle<QLabel>(f, QStringLiteral("RaisonVeille"))->text().isEmpty(),
             source && !hote);
}

// The check box writes and removes the autostart entry; the delay is stored in seconds and the
// desktop's line follows it; the dialog stands aside as an instance while the show it started
// runs.
void TestGroupeVeille::reglages() {
    BancForm2 b;
    b.ts.idle.action = DesktopIdleAction{std::chrono::minutes(5), true};
    const Form2& f = ouvrir(b);
    auto* c = controle<QCheckBox>(f, QStringLiteral("CaseVeille"));
    c->click();
    QFile entree(cheminEntreeVeille());
    QVERIFY(entree.open(QIODevice::ReadOnly) &&
            entree.readAll().contains("Exec=/bin/true --veille"));
    c->click();
    QVERIFY(!QFile::exists(cheminEntreeVeille()) && !c->isChecked());

    auto* minutes = controle<QSpinBox>(f, QStringLiteral("Minutes"));
    const QString avant = controle<QLabel>(f, QStringLiteral("LigneBureau"))->text();
    minutes->setValue(4);
    QCOMPARE(b.lire(QStringLiteral("Veille"), QStringLiteral("Delai")), QStringLiteral("240"));
    QVERIFY(controle<QLabel>(f, QStringLiteral("LigneBureau"))->text() != avant);

    controle<PictureButton>(f, QStringLiteral("Essayer"))->click();
    const int demandes = b.ts.instance.asked;
    QVERIFY(b.ts.idle.spectacle.on && b.ts.instance.released == 1);
    b.ts.idle.spectacle.stop();
    QCOMPARE(b.ts.instance.asked, demandes + 1);
}

QTEST_MAIN(TestGroupeVeille)
#include "test_groupeveille.moc"
