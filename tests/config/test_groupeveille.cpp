// The idle start's group as the user finds it: the panel of further options opened from the
// main window, the check box that turns the watcher on and off, the delay, the show tried now.
#include "bancform2.h"
#include "controls/picturebutton.h"
#include "startup/commandeveille.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// The dialog shown, the panel of further options opened by its control.
Form2& ouvrirAutresOptions(BancForm2& b) {
    Form2& f = b.montrer();
    controle<PictureButton>(f, QStringLiteral("AutresOptions"))->click();
    return f;
}

QCheckBox* caseDe(const QWidget& f) {
    return controle<QCheckBox>(f, QStringLiteral("CaseVeille"));
}

} // namespace

class TestGroupeVeille : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(CheminEntreeVeille()); }
    void disponibilite_data();
    void disponibilite();
    void caseEtEntree();
    void delai();
    void essayer();
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
    QFETCH(bool, permise);
    if (entree)
        QCOMPARE(ActiverVeille(QStringLiteral("/bin/true")), 0);
    BancForm2 b;
    b.ts.idle.answers = source;
    b.ts.idle.host = hote;
    const Form2& f = ouvrirAutresOptions(b);
    QVERIFY(caseDe(f)->isVisible());
    QCOMPARE(caseDe(f)->isChecked(), entree);
    QCOMPARE(caseDe(f)->isEnabled(), permise);
    QCOMPARE(controle<QLabel>(f, QStringLiteral("RaisonVeille"))->text().isEmpty(),
             source && !hote);
}

void TestGroupeVeille::caseEtEntree() {
    BancForm2 b;
    const Form2& f = ouvrirAutresOptions(b);
    caseDe(f)->click();
    QFile entree(CheminEntreeVeille());
    QVERIFY(entree.open(QIODevice::ReadOnly));
    QVERIFY(entree.readAll().contains("Exec=/bin/true --veille\n"));
    QVERIFY(caseDe(f)->isChecked());
    caseDe(f)->click();
    QVERIFY(!QFile::exists(CheminEntreeVeille()));
    QVERIFY(!caseDe(f)->isChecked());
}

void TestGroupeVeille::delai() {
    BancForm2 b;
    b.ts.idle.action = DesktopIdleAction{5min, true};
    const Form2& f = ouvrirAutresOptions(b);
    auto* minutes = controle<QSpinBox>(f, QStringLiteral("Minutes"));
    QCOMPARE(minutes->value(), 10);
    const QString avant = controle<QLabel>(f, QStringLiteral("LigneBureau"))->text();
    minutes->setValue(4);
    QCOMPARE(b.lire(QStringLiteral("Veille"), QStringLiteral("Delai")), QStringLiteral("240"));
    QVERIFY(controle<QLabel>(f, QStringLiteral("LigneBureau"))->text() != avant);
}

void TestGroupeVeille::essayer() {
    BancForm2 b;
    const Form2& f = ouvrirAutresOptions(b);
    const int demandes = b.ts.instance.asked;
    controle<PictureButton>(f, QStringLiteral("Essayer"))->click();
    QCOMPARE(b.ts.idle.spectacle.started, 1);
    // The dialog steps aside while the show runs, and comes back after.
    QCOMPARE(b.ts.instance.released, 1);
    b.ts.idle.spectacle.stop();
    QCOMPARE(b.ts.instance.asked, demandes + 1);
}

QTEST_MAIN(TestGroupeVeille)
#include "test_groupeveille.moc"
