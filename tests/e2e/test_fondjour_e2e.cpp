// The real dialog under Xvfb: today's picture confirmed with "Sélection" becomes the root
// window's wallpaper at once, through LMV.bmp beside the program, and is recorded as applied.

#include "platform/inisettingsstore.h"
#include "samples.h"
#include "settings/reglages.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString xdotool(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    p.waitForFinished(10000);
    return p.exitCode() == 0 ? QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed()
                             : QString();
}

// The first window whose title is exactly `titre`.
QString fenetre(const QString& titre) {
    return xdotool({QStringLiteral("search"), QStringLiteral("--name"), u'^' + titre + u'$'})
        .section(u'\n', 0, 0);
}

QPoint position(const QString& id) {
    const QStringList lignes =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id}).split(u'\n');
    QPoint p;
    for (const QString& l : lignes) {
        if (l.startsWith(QStringLiteral("X=")))
            p.setX(l.mid(2).toInt());
        if (l.startsWith(QStringLiteral("Y=")))
            p.setY(l.mid(2).toInt());
    }
    return p;
}

void cliquer(const QPoint& p) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

// A point of the screen that the dialog never covers.
QRgb bordGauche() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s->grabWindow(0, 10, s->geometry().height() / 2, 1, 1).toImage().pixel(0, 0);
}

bool magenta(QRgb c) {
    return qRed(c) > 230 && qGreen(c) < 25 && qBlue(c) > 230;
}

} // namespace

class TestFondJourE2E : public QObject {
    Q_OBJECT
private slots:
    void selectionDuJourChangeLeBureau();
};

void TestFondJourE2E::selectionDuJourChangeLeBureau() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    QTemporaryDir dossier;
    // The program writes its wallpaper bitmap beside itself: run a copy in a folder of ours.
    const QString exe = dossier.filePath(QStringLiteral("lumivane"));
    QVERIFY(QFile::copy(qEnvironmentVariable("LUMIVANE_EXE"), exe));
    QVERIFY(QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner));
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    const QString fond = dossier.filePath(QStringLiteral("fond.jpg"));
    QVERIFY(Samples::write(image, fond, Samples::Format::Jpeg));
    IniSettingsStore store;
    Reglages::ecrire(store, Reglages::wall(QDate::currentDate().dayOfWeek() % 7), fond);
    QVERIFY(!magenta(bordGauche()));

    QProcess programme;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No desktop named: the wallpaper goes to the root window of the X server.
    env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    programme.setProcessEnvironment(env);
    programme.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    programme.start(exe, {QStringLiteral("/C")});
    QVERIFY(programme.waitForStarted(5000));
    QString dialogue;
    QTRY_VERIFY_WITH_TIMEOUT(!(dialogue = fenetre(QStringLiteral("Lumivane V1.0"))).isEmpty(),
                             10000);
    const QPoint origine = position(dialogue);
    // The about panel lies over the weekday panel at start and closes under the pointer; then
    // "Sélection" asks its question.
    const QPoint aPropos = origine + QPoint(600, 150);
    const QPoint selection = origine + QPoint(536 + 170, 192 + 53);
    QString question;
    QTRY_VERIFY_WITH_TIMEOUT((cliquer(aPropos), cliquer(selection),
                              !(question = fenetre(QStringLiteral("Lumivane"))).isEmpty()),
                             10000);
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});

    const QString bitmap = dossier.filePath(QStringLiteral("LMV.bmp"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bitmap), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(Reglages::lire(store, Reglages::wallTemp()), fond, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(magenta(bordGauche()), 10000);
    QCOMPARE(QImage(bitmap).size(), QSize(64, 48));
    programme.kill();
    programme.waitForFinished(5000);
}

QTEST_MAIN(TestFondJourE2E)
#include "test_fondjour_e2e.moc"
