#include "bancform2.h"
#include "browser/grillevignettes.h"
#include "controls/gaugepanel.h"
#include "controls/picturebutton.h"
#include "decor/twips.h"
#include "vignettes/cachevignettes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QPoint centre(const QRectF& twips) {
    return Twips::rect(twips.left(), twips.top(), twips.width(), twips.height()).center();
}

QList<int> valeurs(const QSignalSpy& spy) {
    QList<int> v;
    for (const auto& s : spy)
        v << s.first().toInt();
    return v;
}

} // namespace

// "Panorama" over an album of four photos, the third of them missing: the grid, its gauge and
// its cache, the thumbnails' clicks, and what throws the grid away.
class TestForm2Panorama : public QObject {
    Q_OBJECT
private slots:
    void init();
    void panorama();
    void albumArreteLaConstruction();

private:
    // The dialog with the album noel.alb opened through "Album".
    Form2& ouvrirNoel(BancForm2& b, TestServices& ts);
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_album;
    QString m_fichierAlbum;
};

void TestForm2Panorama::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_album.clear();
    QByteArray lignes;
    for (int i = 0; i < 4; ++i) {
        m_album << m_dir->filePath(QStringLiteral("photos/%1.jpg").arg(i));
        lignes += QStringLiteral("%1 %2\r\n").arg(i, 4, 10, QChar(u'0')).arg(m_album[i]).toUtf8();
    }
    QDir().mkpath(m_dir->filePath(QStringLiteral("photos")));
    for (int i : {0, 1, 3}) {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 90, 200, 220));
        QVERIFY(image.save(m_album[i], "JPEG"));
    }
    m_fichierAlbum = m_dir->filePath(QStringLiteral("noel.alb"));
    QFile f(m_fichierAlbum);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(lignes);
}

Form2& TestForm2Panorama::ouvrirNoel(BancForm2& b, TestServices& ts) {
    ts.registry.set(0x80000002, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                    m_dir->filePath(QStringLiteral("Programmes")).toLocal8Bit());
    Form2& f = b.montrer();
    ts.files.results.enqueue(m_fichierAlbum);
    cliquer(bouton(f, 0));
    return f;
}

void TestForm2Panorama::panorama() {
    BancForm2 b;
    Form2& f = ouvrirNoel(b, b.ts);
    PlaceVignettes* place = vignettesDe(f);
    auto* grille = controle<GrilleVignettes>(f, QStringLiteral("SSSCroll"));
    QListView* liste = listeS(f);
    auto* jaugeVue = controle<GaugePanel>(f, QStringLiteral("PB"));
    QSignalSpy jauge(grille, &GrilleVignettes::progression);
    QSignalSpy fin(grille, &GrilleVignettes::construite);

    cliquer(bouton(f, 2));
    QVERIFY(!jaugeVue->isHidden() && liste->isHidden() && !place->isHidden());
    QVERIFY(fin.wait(20000));
    QCOMPARE(valeurs(jauge), QList<int>({0, 25, 50, 75}));
    QVERIFY(jaugeVue->isHidden());
    QCOMPARE(grille->nombre(), 4);
    QVERIFY(grille->vignette(2).nophoto());
    const QDir cache(m_dir->filePath(QStringLiteral("Programmes/Lumivane/NOEL")));
    QCOMPARE(cache.entryList(QDir::Files).size(), 3);
    for (int i : {0, 1, 3})
        QVERIFY(cache.exists(CacheVignettes::ConvertirNom(m_album[i])));

    // A click chooses the entry and previews it; the menu then acts on it wherever it opens.
    cliquer(grille->viewport(), Qt::LeftButton, centre(grille->cellule(3)));
    b.attendreApercu();
    QCOMPARE(ligneCourante(liste), 3);
    QCOMPARE(place->tagIm0(), QStringLiteral("3"));
    QCOMPARE(grille->surlignee(), 3);
    QCOMPARE(controle<QLabel>(f, QStringLiteral("Photo"))->toolTip(), m_album[3]);

    // "Panorama" again switches between the views without building anew.
    cliquer(bouton(f, 2));
    QVERIFY(!liste->isHidden() && place->isHidden());
    cliquer(bouton(f, 2));
    QVERIFY(liste->isHidden() && !place->isHidden());
    QCOMPARE(fin.size(), 1);

    // The right button's menu removes the highlighted photo, not the one under the pointer,
    // and the grid goes with the old numbering.
    cliquer(grille->viewport(), Qt::RightButton, centre(grille->cellule(1)));
    QTRY_VERIFY(controle<QMenu>(f, QStringLiteral("Menus"))->isVisible());
    controle<QAction>(f, QStringLiteral("Supp"))->trigger();
    controle<QMenu>(f, QStringLiteral("Menus"))->close();
    QCOMPARE(nombreEntrees(liste), 3);
    QVERIFY(!entrees(liste).contains(m_album[3]));
    QVERIFY(place->isHidden() && !liste->isHidden());
    QCOMPARE(grille->nombre(), 0);
}

void TestForm2Panorama::albumArreteLaConstruction() {
    TestServices ts;
    GatedPictures images;
    Services services{ts.settings, ts.registry, ts.instance, images,     ts.windowHost, ts.clock,
                      ts.random,   ts.prompts,  ts.files,    ts.desktop, ts.wallpaper,  ts.idle};
    BancForm2 b(&services);
    // Whatever fails, the decodes under way end, so that the dialog can close.
    const auto liberer = qScopeGuard([&images] { images.permits.release(100); });
    Form2& f = ouvrirNoel(b, ts);
    // The first photo's preview goes through the same decoder: it is done first.
    images.permits.release(1);
    b.attendreApercu();
    PlaceVignettes* place = vignettesDe(f);
    auto* grille = controle<GrilleVignettes>(f, QStringLiteral("SSSCroll"));
    QListView* liste = listeS(f);
    auto* jaugeVue = controle<GaugePanel>(f, QStringLiteral("PB"));
    QSignalSpy jauge(grille, &GrilleVignettes::progression);
    QSignalSpy fin(grille, &GrilleVignettes::construite);

    cliquer(bouton(f, 2));
    // Two photos may be decoded: one of the three stays under way.
    images.permits.release(2);
    QTRY_VERIFY(grille->nombre() >= 1);
    ts.files.results.enqueue(m_fichierAlbum);
    cliquer(bouton(f, 0));
    QCOMPARE(fin.size(), 1);
    QCOMPARE(fin.first().first().toBool(), true);
    QVERIFY(!liste->isHidden() && place->isHidden() && jaugeVue->isHidden());
    QVERIFY(jauge.size() < 4);
}

QTEST_MAIN(TestForm2Panorama)
#include "test_form2panorama.moc"
