// The slide-show cycle driven through the display form's handlers.

#include "bancss.h"

#include <QSignalSpy>
#include <QTest>

class TestSSCycle : public QObject {
    Q_OBJECT
private slots:
    void vitesseLueAChaqueTic();
    void souris_data();
    void souris();
    void toucheTermine_data();
    void toucheTermine();
    void listeVide();
    void unePhoto();
    void deuxPhotosAlternent();
    void troisPhotosJamaisDeuxFois();
    void titre_data();
    void titre();
    void titreRelu();
    void photoIllisibleGardeLaPrecedente();
};

void TestSSCycle::vitesseLueAChaqueTic() {
    BancSS b;
    SS& ss = b.demarrer(b.photos(3));
    ss.resize(200, 150);
    ss.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ss));
    Reglages::ecrire(b.ts.settings, Reglages::vitesseAffichage(), QStringLiteral("3"));
    QVERIFY(b.tic());
    QVERIFY(b.transition()->running());
    // Ticks during the fade start nothing and change nothing; the next photo is decoded only
    // once the fade is over.
    const qint16 derniere = b.module.DernierePhoto();
    QTest::qWait(200);
    ss.Timer1_Timer();
    QCOMPARE(b.module.DernierePhoto(), derniere);
    QVERIFY(!ss.suivantePrete());
    QTRY_VERIFY_WITH_TIMEOUT(!b.transition()->running(), 5000);
    QTRY_VERIFY(ss.suivantePrete());
    Reglages::ecrire(b.ts.settings, Reglages::vitesseAffichage(), QStringLiteral("0"));
    QVERIFY(b.tic());
    QVERIFY(!b.transition()->running());
    QVERIFY(b.module.DernierePhoto() != derniere);
}

using Points = QList<QPointF>;

void TestSSCycle::souris_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<bool>("hote");
    QTest::addColumn<Points>("avant"); // pointer events before the first transition
    QTest::addColumn<Points>("apres"); // after it
    QTest::addColumn<int>("fins");
    const QString s = QStringLiteral("/S");
    QTest::newRow("avant la transition: rien")
        << s << false << Points{{3, 4}, {50, 60}} << Points{} << 0;
    QTest::newRow("même position : continue")
        << s << false << Points{{3, 4}, {50, 60}} << Points{{50, 60}} << 0;
    QTest::newRow("autre position: fin") << s << false << Points{{50, 60}} << Points{{51, 60}} << 1;
    QTest::newRow("sans événement : (0,0) reste") << s << false << Points{} << Points{{0, 0}} << 0;
    QTest::newRow("sans événement : (1,0) termine")
        << s << false << Points{} << Points{{1, 0}} << 1;
    QTest::newRow("aperçu : jamais")
        << "/p 1234" << false << Points{{3, 4}} << Points{{9, 9}, {1, 1}} << 0;
    QTest::newRow("aperçu en minuscules avec blancs")
        << "  /P 99" << false << Points{} << Points{{9, 9}} << 0;
    QTest::newRow("hôte X11 : jamais") << "-root" << true << Points{} << Points{{9, 9}} << 0;
}

void TestSSCycle::souris() {
    QFETCH(QString, ligne);
    QFETCH(bool, hote);
    QFETCH(Points, avant);
    QFETCH(Points, apres);
    QFETCH(int, fins);
    BancSS b(ligne);
    if (hote)
        b.module.passerHoteX11();
    SS& ss = b.demarrer(b.photos(2));
    for (const QPointF& p : avant)
        ss.Photo_MouseMove(Qt::NoButton, Qt::NoModifier, p.x(), p.y());
    QCOMPARE(b.fins, 0);
    QVERIFY(b.tic());
    for (const QPointF& p : apres)
        ss.Photo_MouseMove(Qt::NoButton, Qt::NoModifier, p.x(), p.y());
    QCOMPARE(b.fins, fins);
    QCOMPARE(ss.minuteur().isActive(), fins == 0);
}

void TestSSCycle::toucheTermine_data() {
    QTest::addColumn<QString>("ligne");
    QTest::newRow("plein écran") << "/S";
    QTest::newRow("aperçu") << "/P 12";
}

void TestSSCycle::toucheTermine() {
    QFETCH(QString, ligne);
    BancSS b(ligne);
    SS& ss = b.demarrer(b.photos(2));
    // Any key, a modifier alone included.
    QTest::keyPress(&ss, Qt::Key_Shift);
    QCOMPARE(b.fins, 1);
    QVERIFY(!ss.minuteur().isActive());
}

void TestSSCycle::listeVide() {
    BancSS b;
    const QString aujourdhui = b.photos(1).first();
    Reglages::ecrire(b.ts.settings, Reglages::wall(b.ts.clock.weekdayFromSunday() - 1), aujourdhui);
    SS& ss = b.demarrer({});
    QVERIFY(b.photo()->picture().isNull());
    QCOMPARE(b.photo()->caption(), QString());
    ss.Timer1_Timer();
    QVERIFY(!ss.minuteur().isActive());
    QVERIFY(b.ts.wallpaper.given.isEmpty());
    QVERIFY(!b.transition()->running());
    ss.PhotoSuivante();
    // Only a key ends this show.
    ss.Photo_MouseMove(Qt::NoButton, Qt::NoModifier, 5, 5);
    QCOMPARE(b.fins, 0);
    ss.Form_KeyDown();
    QCOMPARE(b.fins, 1);
}

void TestSSCycle::unePhoto() {
    BancSS b;
    Reglages::ecrire(b.ts.settings, Reglages::titre(), QStringLiteral("0"));
    const QStringList liste = b.photos(1);
    SS& ss = b.demarrer(liste);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(b.tic());
        QCOMPARE(b.photoAffichee(1), 0);
        QCOMPARE(b.photo()->caption(), liste[0]);
    }
    QVERIFY(ss.minuteur().isActive());
}

void TestSSCycle::deuxPhotosAlternent() {
    BancSS b;
    SS& ss = b.demarrer(b.photos(2));
    int precedente = b.photoAffichee(2);
    QVERIFY(precedente >= 0);
    for (int i = 0; i < 12; ++i) {
        QVERIFY(b.tic());
        const int affichee = b.photoAffichee(2);
        QCOMPARE(affichee, 1 - precedente);
        QCOMPARE(b.module.DernierePhoto(), affichee + 1);
        precedente = affichee;
    }
    QVERIFY(ss.minuteur().isActive());
}

void TestSSCycle::troisPhotosJamaisDeuxFois() {
    BancSS b;
    Reglages::ecrire(b.ts.settings, Reglages::titre(), QStringLiteral("0"));
    const QStringList liste = b.photos(3);
    b.demarrer(liste);
    QSet<int> vues;
    int precedente = b.photoAffichee(3);
    for (int i = 0; i < 60; ++i) {
        QVERIFY(b.tic());
        const int affichee = b.photoAffichee(3);
        QVERIFY(affichee >= 0);
        QVERIFY2(affichee != precedente, "the same photo twice in a row");
        // The title names the photo on screen.
        QCOMPARE(b.photo()->caption(), liste[affichee]);
        vues.insert(affichee);
        precedente = affichee;
    }
    QCOMPARE(vues.size(), 3);
}

void TestSSCycle::titre_data() {
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("position");
    QTest::addColumn<bool>("affiche");
    QTest::addColumn<PhotoPanel::CaptionAlignment>("alignement");
    using A = PhotoPanel::CaptionAlignment;
    QTest::newRow("sans reglage") << QString() << QString() << false << A::TopCentre;
    QTest::newRow("oui en haut") << "0"
                                 << "0" << true << A::TopCentre;
    QTest::newRow("oui en bas") << "0"
                                << "1" << true << A::BottomCentre;
    QTest::newRow("non en bas") << "1"
                                << "1" << false << A::BottomCentre;
    QTest::newRow("autre valeur: non, en bas") << "2"
                                               << "5" << false << A::BottomCentre;
    QTest::newRow("texte: non, en bas") << "oui"
                                        << "haut" << false << A::BottomCentre;
}

void TestSSCycle::titre() {
    QFETCH(QString, titre);
    QFETCH(QString, position);
    QFETCH(bool, affiche);
    QFETCH(PhotoPanel::CaptionAlignment, alignement);
    BancSS b;
    if (!titre.isNull())
        Reglages::ecrire(b.ts.settings, Reglages::titre(), titre);
    if (!position.isNull())
        Reglages::ecrire(b.ts.settings, Reglages::position(), position);
    const QStringList liste = b.photos(3);
    b.demarrer(liste);
    QVERIFY(b.tic());
    QCOMPARE(b.photo()->captionAlignment(), alignement);
    QCOMPARE(b.photo()->caption(), affiche ? liste[b.module.DernierePhoto() - 1] : QString());
}

void TestSSCycle::titreRelu() {
    BancSS b;
    const QStringList liste = b.photos(3);
    b.demarrer(liste);
    QVERIFY(b.tic());
    QCOMPARE(b.photo()->caption(), QString());
    Reglages::ecrire(b.ts.settings, Reglages::titre(), QStringLiteral("0"));
    Reglages::ecrire(b.ts.settings, Reglages::position(), QStringLiteral("1"));
    QVERIFY(b.tic());
    QCOMPARE(b.photo()->caption(), liste[b.module.DernierePhoto() - 1]);
    // The position is read once, when the form loads.
    QCOMPARE(b.photo()->captionAlignment(), PhotoPanel::CaptionAlignment::TopCentre);
}

void TestSSCycle::photoIllisibleGardeLaPrecedente() {
    BancSS b;
    Reglages::ecrire(b.ts.settings, Reglages::titre(), QStringLiteral("0"));
    QStringList liste = b.photos(1);
    const QString absente = b.dossier.filePath(QStringLiteral("absente.jpg"));
    liste << absente;
    b.ts.random.values = {0.1f, 0.9f}; // first photo 1, then photo 2
    SS& ss = b.demarrer(liste);
    QCOMPARE(b.photoAffichee(1), 0);
    QVERIFY(b.tic());
    QCOMPARE(b.photo()->caption(), absente);
    QCOMPARE(b.photoAffichee(1), 0);
    QCOMPARE(b.module.DernierePhoto(), qint16(2));
    QVERIFY(ss.minuteur().isActive());
}

QTEST_MAIN(TestSSCycle)
#include "test_ss_cycle.moc"
