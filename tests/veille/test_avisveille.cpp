// What the dialog's idle-start group says of the desktop's own blanking or lock beside the
// show's delay.

#include "veille/avisveille.h"

#include <QTest>

using namespace std::chrono_literals;
using Bureau = std::optional<DesktopIdleAction>;

class TestAvisVeille : public QObject {
    Q_OBJECT
private slots:
    void avis_data();
    void avis();
};

void TestAvisVeille::avis_data() {
    QTest::addColumn<Bureau>("bureau");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("alerte");
    QTest::newRow("verrou avant le diaporama")
        << Bureau({5min, true})
        << "L'écran se verrouille après 5 min : choisissez un délai "
           "plus court"
        << true;
    QTest::newRow("extinction au même moment")
        << Bureau({10min, false})
        << "L'écran s'éteint après 10 min : choisissez un délai plus "
           "court"
        << true;
    QTest::newRow("verrou après, minutes et secondes")
        << Bureau({15min + 30s, true}) << "Le bureau verrouille l'écran après 15 min 30 s."
        << false;
    QTest::newRow("délai du bureau inconnu") << Bureau() << QString() << false;
}

void TestAvisVeille::avis() {
    QFETCH(Bureau, bureau);
    const AvisBureau avis = avisDelaiBureau(bureau, 10min);
    QTEST(avis.texte, "texte");
    QTEST(avis.alerte, "alerte");
}

QTEST_APPLESS_MAIN(TestAvisVeille)
#include "test_avisveille.moc"
