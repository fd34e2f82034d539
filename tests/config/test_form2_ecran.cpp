// The dialog on a real X server: its size, where its controls stand, and what the screen shows.
#include "bancform2.h"
#include "doubles.h"

#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

QRect pixels(double l, double t, double w, double h) {
    return QRect(qRound(l / 15), qRound(t / 15), qRound(w / 15), qRound(h / 15));
}

bool proche(const QColor& a, const QColor& b, int tolerance = 6) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestForm2Ecran : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_form.reset(); }
    void controlesALeurPlace_data();
    void controlesALeurPlace();
    void ecranMontreLeDialogue();

private:
    QImage ecran() const {
        const QPoint o = m_form->mapToGlobal(QPoint(0, 0));
        return m_form->screen()->grabWindow(0, o.x(), o.y(), 777, 536).toImage();
    }

    TestServices m_ts;
    std::unique_ptr<Form2> m_form;
};

void TestForm2Ecran::initTestCase() {
    m_form = std::make_unique<Form2>(m_ts.services, QString(), [] {});
    aproposDe(*m_form)->DureeGlissement = 0;
    m_form->move(40, 30);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->windowHandle()->title(), QStringLiteral("Lumivane V1.0"));
    QCOMPARE(m_form->windowHandle()->geometry().size(), QSize(777, 536));
}

void TestForm2Ecran::controlesALeurPlace_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("place"); // in the window, in pixels
    QTest::newRow("fond") << "SSSplash1" << pixels(0, 0, 11655, 8040);
    QTest::newRow("titre") << "Titre" << pixels(1440, 120, 5895, 255);
    QTest::newRow("fermer") << "Menu1" << pixels(11160, 480, 255, 270);
    QTest::newRow("icône Album") << "Boutons0" << pixels(240, 600, 975, 795);
    QTest::newRow("légende Album") << "TBoutons0" << pixels(240, 1370, 975, 255);
    QTest::newRow("icône enregistrer") << "Boutons3" << pixels(280, 1650, 975, 750);
    QTest::newRow("légende enregistrer") << "TBoutons3" << pixels(240, 2415, 1000, 420);
    QTest::newRow("légende Web") << "TBoutons5" << pixels(240, 7080, 975, 255);
    QTest::newRow("cadre de l'album") << "SSFrame3" << pixels(1300, 420, 6430, 375);
    QTest::newRow("jauge") << "PB" << pixels(1300 + 3360, 420 + 90, 2895, 195);
    QTest::newRow("liste de l'album") << "ListeS" << pixels(1320, 800, 6400, 6465);
    QTest::newRow("options") << "SSPanel1" << pixels(8040, 960, 3255, 1860);
    QTest::newRow("vitesses") << "Combo1" << pixels(8040 + 30, 960 + 240, 1890, 1590);
    QTest::newRow("titre affiché") << "Tit0" << pixels(8040 + 1920, 960 + 480, 720, 255);
    QTest::newRow("en bas") << "Position1" << pixels(8040 + 1920, 960 + 1440, 1335, 240);
    QTest::newRow("jours de la semaine") << "SSPanel4" << pixels(8040, 2880, 3255, 1215);
    QTest::newRow("liste des jours") << "Jour" << pixels(8040 + 720, 2880 + 120, 1215, 315);
    QTest::newRow("légende enlever") << "TDevalider" << pixels(8040 + 50, 2880 + 670, 1065, 255);
    QTest::newRow("cadre de l'aperçu") << "Cadre" << pixels(8040, 4200, 3255, 2775);
    QTest::newRow("à propos") << "APropos" << pixels(8040, 960, 3255, 3200);
}

void TestForm2Ecran::controlesALeurPlace() {
    QFETCH(QString, nom);
    QFETCH(QRect, place);
    auto* w = m_form->findChild<QWidget*>(nom);
    QVERIFY(w);
    QCOMPARE(QRect(w->mapTo(m_form.get(), QPoint(0, 0)), w->size()), place);
}

// Pixels of the screen: the open about panel over the options, the black album list, and the
// speed list once the about panel has slid shut.
void TestForm2Ecran::ecranMontreLeDialogue() {
    const QRect apropos = pixels(8040, 960, 3255, 3200);
    const QPoint dansAPropos = apropos.topLeft() + QPoint(211, 150);
    const QPoint dansListe = pixels(1320, 800, 6400, 6465).center();
    const QRect vitesses = pixels(8040 + 30, 960 + 240, 1890, 1590);
    const QPoint dansVitesses = vitesses.topLeft() + QPoint(vitesses.width() - 12, 4);

    QImage im = ecran();
    QCOMPARE(im.size(), QSize(777, 536));
    QVERIFY2(proche(im.pixelColor(dansAPropos), QColor(240, 238, 228)),
             qPrintable(im.pixelColor(dansAPropos).name()));
    QVERIFY(proche(im.pixelColor(dansListe), Qt::black));
    const QColor fond = im.pixelColor(QPoint(400, 520));
    QVERIFY2(fond.value() > 10 && fond.value() < 80, qPrintable(fond.name()));

    aproposDe(*m_form)->FermerAPropos();
    QTRY_VERIFY(proche(ecran().pixelColor(dansVitesses), QColor(64, 64, 64)));
    aproposDe(*m_form)->OuvrirAPropos();
    QTRY_VERIFY(proche(ecran().pixelColor(dansAPropos), QColor(240, 238, 228)));
}

QTEST_MAIN(TestForm2Ecran)
#include "test_form2_ecran.moc"
