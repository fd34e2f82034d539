// Which desktop wallpaper backend each desktop gets, from its name and whether X11 is there.

#include "platform/desktopwallpaper_linux.h"
#include "platform/desktopwallpaper_x11.h"
#include "platform/desktopwallpaperfactory.h"
#include "platform/nulldesktopwallpaper.h"

#include <QTest>

class TestDesktopWallpaperChoix : public QObject {
    Q_OBJECT
private slots:
    void choix_data();
    void choix();
};

void TestDesktopWallpaperChoix::choix_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<QString>("genre");
    QTest::newRow("GNOME") << "GNOME" << true << "gnome";
    QTest::newRow("minuscules") << "gnome" << false << "gnome";
    QTest::newRow("premier nom connu") << "Pantheon:Unity:KDE" << true << "gnome";
    QTest::newRow("Budgie") << "Budgie:GNOME" << true << "gnome";
    QTest::newRow("Cinnamon") << "X-Cinnamon" << true << "cinnamon";
    QTest::newRow("MATE") << "MATE" << true << "mate";
    QTest::newRow("KDE") << "KDE" << false << "kde";
    QTest::newRow("XFCE") << "XFCE" << true << "xfce";
    QTest::newRow("autre X11") << "LXDE" << true << "x11";
    QTest::newRow("rien, X11") << "" << true << "x11";
    QTest::newRow("rien, sans X11") << "" << false << "aucun";
    QTest::newRow("inconnu sans X11") << "sway" << false << "aucun";
}

void TestDesktopWallpaperChoix::choix() {
    QFETCH(QString, bureau);
    QFETCH(bool, x11);
    QFETCH(QString, genre);
    const auto fond = createDesktopWallpaper(bureau, x11);
    QString trouve = QStringLiteral("?");
    if (auto* g = dynamic_cast<GSettingsWallpaper*>(fond.get())) {
        using D = GSettingsWallpaper::Desktop;
        trouve = g->desktop() == D::Gnome      ? QStringLiteral("gnome")
                 : g->desktop() == D::Cinnamon ? QStringLiteral("cinnamon")
                                               : QStringLiteral("mate");
    } else if (dynamic_cast<PlasmaWallpaper*>(fond.get())) {
        trouve = QStringLiteral("kde");
    } else if (dynamic_cast<XfceWallpaper*>(fond.get())) {
        trouve = QStringLiteral("xfce");
    } else if (dynamic_cast<RootWindowWallpaper*>(fond.get())) {
        trouve = QStringLiteral("x11");
    } else if (dynamic_cast<NullDesktopWallpaper*>(fond.get())) {
        trouve = QStringLiteral("aucun");
    }
    QCOMPARE(trouve, genre);
}

QTEST_GUILESS_MAIN(TestDesktopWallpaperChoix)
#include "test_desktopwallpaper_choix.moc"
