// What the dialog's idle-start group says: why the watcher cannot run, and the desktop's own
// blanking or lock beside the show's delay.

#include "startup/avisveille.h"

#include <QTest>

using namespace std::chrono_literals;
using Bureau = std::optional<DesktopIdleAction>;
Q_DECLARE_METATYPE(Bureau)

class TestAvisVeille : public QObject {
    Q_OBJECT
private slots:
    void avis_data();
    void avis();
    void raison_data();
    void raison();
};

void TestAvisVeille::avis_data() {
    QTest::addColumn<Bureau>("bureau");
    QTest::addColumn<int>("delai");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("alerte");
    QTest::newRow("verrou avant le diaporama")
        << Bureau(DesktopIdleAction{5min, true}) << 600
        << "L'écran se verrouille après 5 min : choisissez un délai plus court" << true;
    QTest::newRow("extinction au même moment")
        << Bureau(DesktopIdleAction{10min, false}) << 600
        << "L'écran s'éteint après 10 min : choisissez un délai plus court" << true;
    QTest::newRow("verrou après le diaporama")
        << Bureau(DesktopIdleAction{15min, true}) << 600
        << "Le bureau verrouille l'écran après 15 min." << false;
    QTest::newRow("extinction après, minutes et secondes")
        << Bureau(DesktopIdleAction{90s, false}) << 60
        << "Le bureau éteint l'écran après 1 min 30 s." << false;
    QTest::newRow("secondes seules") << Bureau(DesktopIdleAction{45s, true}) << 60
                                     << "L'écran se verrouille après 45 s : choisissez un délai "
                                        "plus court"
                                     << true;
    QTest::newRow("délai du bureau inconnu") << Bureau() << 600 << QString() << false;
}

void TestAvisVeille::avis() {
    QFETCH(Bureau, bureau);
    QFETCH(int, delai);
    const AvisBureau avis = avisDelaiBureau(bureau, std::chrono::seconds(delai));
    QTEST(avis.texte, "texte");
    QTEST(avis.alerte, "alerte");
}

void TestAvisVeille::raison_data() {
    QTest::addColumn<bool>("source");
    QTest::addColumn<bool>("hote");
    QTest::addColumn<QString>("raison");
    QTest::newRow("possible") << true << false << QString();
    QTest::newRow("aucune source")
        << false << false << "Aucune source d'inactivité ne répond dans cette session.";
    QTest::newRow("un hôte, même sans source")
        << false << true << "L'écran de veille du bureau tourne : choisissez-y Lumivane.";
}

void TestAvisVeille::raison() {
    QFETCH(bool, source);
    QFETCH(bool, hote);
    QTEST(raisonVeilleIndisponible(source, hote), "raison");
}

QTEST_APPLESS_MAIN(TestAvisVeille)
#include "test_avisveille.moc"
