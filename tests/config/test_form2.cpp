// The dialog as it opens, from the settings it finds, and its options as the user sets them.
#include "bancform2.h"
#include "config/form2.h"
#include "controls/gaugepanel.h"
#include "controls/optionbutton.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "wallpaper/imagesjour.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTest>

namespace {

const QString Param = QStringLiteral("Param");

// The dialog's bench, reading the options' section.
struct Banc : BancForm2 {
    QString lire(const QString& cle) const { return BancForm2::lire(Param, cle); }
};

// The pair of option buttons `nom`0 and `nom`1 of the options panel.
std::array<OptionButton*, 2> paire(const QWidget& f, const QString& nom) {
    return {controle<OptionButton>(f, nom + u'0'), controle<OptionButton>(f, nom + u'1')};
}
std::array<OptionButton*, 2> titDe(const QWidget& f) {
    return paire(f, QStringLiteral("Tit"));
}
std::array<OptionButton*, 2> positionDe(const QWidget& f) {
    return paire(f, QStringLiteral("Position"));
}
QListWidget* combo1(const QWidget& f) {
    return controle<QListWidget>(f, QStringLiteral("Combo1"));
}

int cochee(const std::array<OptionButton*, 2>& options) {
    return options[0]->isChecked() ? 0 : options[1]->isChecked() ? 1 : -1;
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void premierLancement();
    void optionsEnregistrees_data();
    void optionsEnregistrees();
    void aujourdhuiDansJour_data();
    void aujourdhuiDansJour();
    void albumRouvertSeulementAvecListe_data();
    void albumRouvertSeulementAvecListe();
    void optionsAuxClics();
    void vitesseEcritSaSeuleCle();
};

void TestForm2::premierLancement() {
    Banc b;
    Form2& f = b.ouvrir();
    QCOMPARE(b.lire(QStringLiteral("Combo 0")), QStringLiteral("7"));
    QCOMPARE(b.lire(QStringLiteral("Titre")), QStringLiteral("1"));
    QCOMPARE(b.lire(QStringLiteral("Position")), QStringLiteral("0"));
    QCOMPARE(combo1(f)->count(), 8);
    QCOMPARE(combo1(f)->currentItem()->text(), QStringLiteral("Très très lente"));
    QCOMPARE(cochee(titDe(f)), 1);
    QCOMPARE(cochee(positionDe(f)), 0);
    QVERIFY(!positionDe(f)[0]->isEnabled() && !positionDe(f)[1]->isEnabled());
    QCOMPARE(nombreEntrees(listeS(f)), 0);
    QVERIFY(f.etat().FichierAlbum.isEmpty());
    QVERIFY(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text().isEmpty());
    QCOMPARE(barreDe(f)->boutonActif(), qint16(999));
    QVERIFY(!f.etat().AlbumModifie && !vignettesDe(f)->ArretChargement());
    QVERIFY(!aproposDe(f)->isHidden());
    QCOMPARE(f.windowTitle(), QStringLiteral("Lumivane V1.0"));
    QCOMPARE(f.size(), QSize(777, 536));
    QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(bouton(f, 4)->isHidden() && legende(f, 4)->isHidden());
    QVERIFY(controle<GaugePanel>(f, QStringLiteral("PB"))->isHidden() &&
            vignettesDe(f)->isHidden() && !listeS(f)->isHidden());
    QCOMPARE(controle<PictureButton>(f, QStringLiteral("Sel"))->maskColor(), QColor(47, 55, 47));
    QCOMPARE(controle<PictureButton>(f, QStringLiteral("Valider"))->pictureDown(),
             ImagesJour::images(Decor::fondPanneau).last());
    QCOMPARE(controle<PictureButton>(f, QStringLiteral("Sel"))->pictureStored(),
             ImagesJour::images(Decor::fondPanneau).first());
    for (int i = 0; i < 6; ++i)
        QCOMPARE(bouton(f, i)->pictureUp(), Decor::imagesCommande(i).first());
}

void TestForm2::optionsEnregistrees_data() {
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("vitesse");
    QTest::addColumn<int>("tit");
    QTest::addColumn<int>("pos");
    QTest::newRow("dans les bornes, titres") << "3"
                                             << "0"
                                             << "1" << 3 << 0 << 1;
    QTest::newRow("immédiate, sans titres") << "0"
                                            << "1"
                                            << "1" << 0 << 1 << 1;
    QTest::newRow("blancs autour") << " 5 "
                                   << " 0"
                                   << "0 " << 5 << 0 << 0;
    QTest::newRow("trop grand") << "8"
                                << "2"
                                << "2" << 7 << 1 << 0;
    QTest::newRow("négatif") << "-1"
                             << "-1"
                             << "-1" << 7 << 1 << 0;
    QTest::newRow("pas des nombres") << "vite"
                                     << "oui"
                                     << "x" << 7 << 1 << 0;
    QTest::newRow("valeurs vides") << ""
                                   << ""
                                   << "" << 7 << 1 << 0;
    QTest::newRow("décimales") << "2.5"
                               << "0.0"
                               << "1e0" << 7 << 1 << 0;
}

// A stored value that is not a valid index falls back to the default and is stored again valid.
void TestForm2::optionsEnregistrees() {
    QFETCH(QString, combo);
    QFETCH(QString, titre);
    QFETCH(QString, position);
    QFETCH(int, vitesse);
    QFETCH(int, tit);
    QFETCH(int, pos);
    Banc b;
    b.ts.settings.write(Param, QStringLiteral("Combo 0"), combo);
    b.ts.settings.write(Param, QStringLiteral("Titre"), titre);
    b.ts.settings.write(Param, QStringLiteral("Position"), position);
    Form2& f = b.ouvrir();
    QCOMPARE(combo1(f)->currentRow(), vitesse);
    QCOMPARE(cochee(titDe(f)), tit);
    QCOMPARE(cochee(positionDe(f)), pos);
    QCOMPARE(positionDe(f)[0]->isEnabled(), tit == 0);
    QCOMPARE(positionDe(f)[1]->isEnabled(), tit == 0);
    QCOMPARE(b.lire(QStringLiteral("Combo 0")), QString::number(vitesse));
    QCOMPARE(b.lire(QStringLiteral("Titre")), QString::number(tit));
    QCOMPARE(b.lire(QStringLiteral("Position")), QString::number(pos));
}

void TestForm2::aujourdhuiDansJour_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("jour");
    QTest::newRow("dimanche") << QDate(2026, 12, 6) << "Dimanche";
    QTest::newRow("mercredi") << QDate(2026, 12, 9) << "Mercredi";
    QTest::newRow("samedi") << QDate(2026, 12, 12) << "Samedi";
}

void TestForm2::aujourdhuiDansJour() {
    QFETCH(QDate, date);
    QFETCH(QString, jour);
    Banc b;
    b.ts.clock.at = QDateTime(date, QTime(9, 0));
    Form2& f = b.ouvrir();
    QCOMPARE(controle<QComboBox>(f, QStringLiteral("Jour"))->count(), 7);
    QCOMPARE(controle<QComboBox>(f, QStringLiteral("Jour"))->itemText(0),
             QStringLiteral("Dimanche"));
    QCOMPARE(controle<QComboBox>(f, QStringLiteral("Jour"))->currentText(), jour);
}

void TestForm2::albumRouvertSeulementAvecListe_data() {
    QTest::addColumn<bool>("liste");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("fichier");
    // Not reopened, but photos added to it are changes of that album.
    QTest::newRow("liste vide") << false << "VACANCES"
                                << "/albums/"
                                << "VACANCES"
                                << "/albums/VACANCES.alb";
    QTest::newRow("album nommé") << true << "VACANCES"
                                 << "/albums/"
                                 << "VACANCES"
                                 << "/albums/VACANCES.alb";
    QTest::newRow("nom blanc") << true << "   "
                               << "/albums/"
                               << ""
                               << "/albums/.alb";
    QTest::newRow("sans dossier : dossier du programme") << true << "NOEL"
                                                         << ""
                                                         << "NOEL"
                                                         << "/opt/lumivane/NOEL.alb";
}

void TestForm2::albumRouvertSeulementAvecListe() {
    QFETCH(bool, liste);
    QFETCH(QString, album);
    QFETCH(QString, repertoire);
    QFETCH(QString, titre);
    QFETCH(QString, fichier);
    Banc b;
    b.ts.settings.write(QStringLiteral("Demarrage"), QStringLiteral("Album"), album);
    b.ts.settings.write(QStringLiteral("Demarrage"), QStringLiteral("RepertoireOpen"), repertoire);
    if (liste)
        b.ts.settings.write(QStringLiteral("Liste de Fichiers"), QStringLiteral("Fichier 0"),
                            QStringLiteral("/photos/a.jpg"));
    Form2& f = b.ouvrir();
    QCOMPARE(controle<QLabel>(f, QStringLiteral("TitreAlbum"))->text(), titre);
    QCOMPARE(f.etat().FichierAlbum, fichier);
}

// What a user does with the pointer on the options, once the about panel is out of the way.
void TestForm2::optionsAuxClics() {
    Banc b;
    Form2& f = b.montrer();
    aproposDe(f)->FermerAPropos();
    const auto cliquer = [](QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    };
    cliquer(titDe(f)[0]);
    QCOMPARE(b.lire(QStringLiteral("Titre")), QStringLiteral("0"));
    QVERIFY(positionDe(f)[0]->isEnabled() && positionDe(f)[1]->isEnabled());
    cliquer(positionDe(f)[1]);
    QCOMPARE(b.lire(QStringLiteral("Position")), QStringLiteral("1"));
    cliquer(titDe(f)[1]);
    QCOMPARE(b.lire(QStringLiteral("Titre")), QStringLiteral("1"));
    QVERIFY(!positionDe(f)[0]->isEnabled() && !positionDe(f)[1]->isEnabled());
    QCOMPARE(b.lire(QStringLiteral("Position")), QStringLiteral("1"));
    cliquer(positionDe(f)[0]); // disabled: nothing changes
    QCOMPARE(b.lire(QStringLiteral("Position")), QStringLiteral("1"));
    cliquer(titDe(f)[0]);
    QCOMPARE(cochee(titDe(f)), 0);
    QVERIFY(positionDe(f)[1]->isEnabled());
    QCOMPARE(cochee(positionDe(f)), 1);

    const QRect moyenne = combo1(f)->visualItemRect(combo1(f)->item(3));
    QTest::mouseClick(combo1(f)->viewport(), Qt::LeftButton, {}, moyenne.center());
    QCOMPARE(b.lire(QStringLiteral("Combo 0")), QStringLiteral("3"));
    QTest::keyClick(combo1(f), Qt::Key_Down);
    QCOMPARE(b.lire(QStringLiteral("Combo 0")), QStringLiteral("4"));
}

void TestForm2::vitesseEcritSaSeuleCle() {
    Banc b;
    Form2& f = b.ouvrir();
    combo1(f)->setCurrentRow(0);
    combo1(f)->setCurrentRow(7);
    QSettings ini(b.ts.settings.fileName(), QSettings::IniFormat);
    ini.beginGroup(Param);
    QStringList cles = ini.childKeys();
    cles.sort();
    QCOMPARE(cles, (QStringList{QStringLiteral("Combo 0"), QStringLiteral("Position"),
                                QStringLiteral("Titre")}));
    QCOMPARE(b.lire(QStringLiteral("Combo 0")), QStringLiteral("7"));
}

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
