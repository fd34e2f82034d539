#include "browser/grillevignettes.h"
#include "decor/twips.h"
#include "pictures/qtpictures.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void ecrire(const QString& chemin, QColor couleur) {
    QDir().mkpath(QFileInfo(chemin).path());
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(couleur);
    QVERIFY(image.save(chemin, "JPEG", 95));
}

// The viewport point at the centre of a rectangle of the content, in twips.
QPoint centre(const QRectF& twips) {
    return Twips::rect(twips.left(), twips.top(), twips.width(), twips.height()).center();
}

} // namespace

class TestGrilleVignettes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void chargementALaDemande();
    void souris_data();
    void souris();
    void surlignageApresVidage();

private:
    void construire(const QStringList& chemins);
    QTemporaryDir m_dir;
    QtPictures m_images;
    std::unique_ptr<GrilleVignettes> m_grille;
    QStringList m_album;
};

void TestGrilleVignettes::init() {
    m_grille = std::make_unique<GrilleVignettes>(m_images);
    Twips::placer(m_grille.get(), 0, 0, 6375, 6495);
    m_grille->show();
    // Photo 3 is missing.
    m_album.clear();
    const QList<QColor> couleurs{Qt::red, Qt::green, Qt::blue, QColor(), Qt::cyan};
    for (const QColor& c : couleurs) {
        m_album << m_dir.path() + QStringLiteral("/%1.jpg").arg(m_album.size());
        if (c.isValid())
            ecrire(m_album.last(), c);
    }
}

void TestGrilleVignettes::construire(const QStringList& chemins) {
    QSignalSpy fin(m_grille.get(), &GrilleVignettes::construite);
    const QString racine = m_dir.path() + "/Lumivane/";
    m_grille->construire({chemins, racine, racine + "NOEL/", GeometrieGrille::CadreIm0, 0});
    QVERIFY(fin.wait(20000));
    QCOMPARE(fin.first().first().toBool(), false);
}

// A warm build decodes nothing: the thumbnails in view are loaded from their bitmaps.
void TestGrilleVignettes::chargementALaDemande() {
    construire(m_album);
    construire(m_album);
    QVERIFY(m_grille->vignette(0).image.isNull());
    const QPoint rouge = centre(m_grille->image(0));
    QTRY_VERIFY(m_grille->viewport()->grab().toImage().pixelColor(rouge).red() > 200);
}

void TestGrilleVignettes::souris_data() {
    QTest::addColumn<int>("cellule"); // -1: the gap left of cell 1
    QTest::addColumn<Qt::MouseButton>("bouton");
    QTest::addColumn<bool>("deuxFois");
    QTest::addColumn<QList<int>>("clics");
    QTest::addColumn<int>("menus");
    QTest::newRow("gauche sur une cellule") << 2 << Qt::LeftButton << false << QList<int>{2} << 0;
    QTest::newRow("double clic compté comme un clic")
        << 1 << Qt::LeftButton << true << QList<int>{1} << 0;
    QTest::newRow("droit sur une cellule") << 4 << Qt::RightButton << false << QList<int>{} << 1;
    QTest::newRow("gauche entre les cellules")
        << -1 << Qt::LeftButton << false << QList<int>{} << 0;
    QTest::newRow("droit entre les cellules")
        << -1 << Qt::RightButton << false << QList<int>{} << 0;
}

void TestGrilleVignettes::souris() {
    QFETCH(int, cellule);
    QFETCH(Qt::MouseButton, bouton);
    QFETCH(bool, deuxFois);
    QFETCH(QList<int>, clics);
    QFETCH(int, menus);
    construire(m_album);
    QSignalSpy clic(m_grille.get(), &GrilleVignettes::vignetteCliquee);
    QSignalSpy menu(m_grille.get(), &GrilleVignettes::menuDemande);
    QSignalSpy survol(m_grille.get(), &GrilleVignettes::pointeurDessus);
    const QPoint point =
        cellule >= 0 ? centre(m_grille->cellule(cellule)) : centre(QRectF(1505, 700, 200, 200));
    QWidget* vue = m_grille->viewport();
    // Sent directly: a moved cursor makes no event on every platform.
    QMouseEvent survolee(QEvent::MouseMove, QPointF(point), vue->mapToGlobal(QPointF(point)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vue, &survolee);
    QCOMPARE(survol.size(), cellule >= 0 ? 0 : 1);
    QTest::mouseClick(vue, bouton, {}, point);
    if (deuxFois) {
        // The second press of a double click comes as a double-click event.
        QTest::mouseDClick(vue, bouton, {}, point);
        QTest::mouseRelease(vue, bouton, {}, point);
    }
    QList<int> recus;
    for (const auto& c : clic)
        recus << c.first().toInt();
    QCOMPARE(recus, clics);
    QCOMPARE(menu.size(), menus);
}

void TestGrilleVignettes::surlignageApresVidage() {
    m_grille->surligner(2);
    m_grille->vider();
    QCOMPARE(m_grille->surlignee(), -1);
    m_grille->surligner(0);
    m_grille->vider();
    QCOMPARE(m_grille->surlignee(), 0);
}

QTEST_MAIN(TestGrilleVignettes)
#include "test_grillevignettes.moc"
