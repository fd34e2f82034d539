#include "pilotedialogue.h"
#include "platform/dialogfilechooser.h"
#include "platform/qttranslation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace PiloteDialogue;

class TestFileChooser : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filtresDeNoms_data();
    void filtresDeNoms();
    void resultatsOuvrir_data();
    void resultatsOuvrir();
    void dialogueCommeDemande();
    void enregistrerGardeNomEtDossier();
    void annulerDonneVide_data();
    void annulerDonneVide();
    void boutonsEnFrancais();
    void dossierChoisi_data();
    void dossierChoisi();
    void init() { oublierEchec(); }
    void cleanup() { QVERIFY(!echec()); }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

void TestFileChooser::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("photos"));
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(QDir().mkpath(m_folder + QStringLiteral("/Noel")));
    for (const char* nom : {"a.jpg", "b.jpg", "c d.jpg", "vacances.alb"}) {
        QFile f(m_folder + u'/' + QLatin1String(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
}

void TestFileChooser::filtresDeNoms_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("une entrée") << "Album de photos|*.alb"
                                << QStringList{"Album de photos (*.alb)"};
    QTest::newRow("choix de photos, un blanc après un motif")
        << "Les images au format JPG,GIF,BMP,JPEG|*.jpg;*.gif;*.bmp;*.jpeg|Les images au format "
           "BMP|*.bmp |Les images au format gif|*.gif"
        << QStringList{"Les images au format JPG,GIF,BMP,JPEG (*.jpg *.gif *.bmp *.jpeg)",
                       "Les images au format BMP (*.bmp)", "Les images au format gif (*.gif)"};
    QTest::newRow("vide") << "" << QStringList{};
    QTest::newRow("nom sans motifs") << "Rien|" << QStringList{};
    QTest::newRow("nom isolé") << "A|*.a|B" << QStringList{"A (*.a)"};
}

void TestFileChooser::filtresDeNoms() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(DialogFileChooser::nameFilters(filter), expected);
}

void TestFileChooser::resultatsOuvrir_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("parts"); // the result split at NUL; folder first
    QTest::newRow("un fichier") << "b.jpg" << QStringList{"b.jpg"};
    QTest::newRow("trois fichiers")
        << "\"a.jpg\" \"b.jpg\" \"c d.jpg\"" << QStringList{"", "a.jpg", "b.jpg", "c d.jpg"};
}

void TestFileChooser::resultatsOuvrir() {
    QFETCH(QString, typed);
    QFETCH(QStringList, parts);
    DialogFileChooser chooser;
    quandOuvert([typed](QFileDialog& d) {
        taper(d, typed);
        valider(d);
    });
    const QString result = chooser.openFiles({QStringLiteral("Sélectionner les photos !"),
                                              QStringLiteral("Images|*.jpg"),
                                              m_folder,
                                              {}});
    const QString dossier = QDir::toNativeSeparators(m_folder);
    if (parts.size() == 1) {
        QCOMPARE(result, dossier + QDir::separator() + parts[0]);
        QVERIFY(!result.contains(QChar(0)));
    } else {
        parts[0] = dossier;
        QCOMPARE(result.split(QChar(0)), parts);
    }
}

// Title, filter and start folder reach the dialog; the buttons speak French.
void TestFileChooser::dialogueCommeDemande() {
    DialogFileChooser chooser;
    QString titre, dossier, accepter, annuler;
    QStringList filtres;
    quandOuvert([&](QFileDialog& d) {
        titre = d.windowTitle();
        dossier = d.directory().absolutePath();
        filtres = d.nameFilters();
        accepter = d.labelText(QFileDialog::Accept);
        annuler = d.labelText(QFileDialog::Reject);
        taper(d, QStringLiteral("vacances.alb"));
        valider(d);
    });
    const QString result = chooser.openFile({QStringLiteral("Sélectionner un album de photos !"),
                                             QStringLiteral("Album de photos|*.alb"),
                                             QDir::toNativeSeparators(m_folder),
                                             {}});
    QCOMPARE(result, QDir::toNativeSeparators(m_folder + QStringLiteral("/vacances.alb")));
    QCOMPARE(titre, QStringLiteral("Sélectionner un album de photos !"));
    QCOMPARE(dossier, QDir(m_folder).absolutePath());
    QCOMPARE(filtres, QStringList{QStringLiteral("Album de photos (*.alb)")});
    QCOMPARE(accepter, QStringLiteral("Ouvrir"));
    QCOMPARE(annuler, QStringLiteral("Annuler"));
}

// No extension is added, an existing file is replaced without a question, and the current
// folder follows the chosen file so that a bare name resolves there afterwards.
void TestFileChooser::enregistrerGardeNomEtDossier() {
    const QString avant = QDir::currentPath();
    DialogFileChooser chooser;
    QString accepter;
    quandOuvert([&](QFileDialog& d) {
        accepter = d.labelText(QFileDialog::Accept);
        taper(d, QStringLiteral("a.jpg"));
        valider(d);
    });
    const QString existant = chooser.saveFile({QStringLiteral("Sauvegarder un album de photos !"),
                                               QStringLiteral("Album de photos|*.alb"),
                                               m_folder,
                                               {}});
    QCOMPARE(existant, QDir::toNativeSeparators(m_folder + QStringLiteral("/a.jpg")));
    QCOMPARE(accepter, QStringLiteral("Enregistrer"));
    QCOMPARE(QDir::currentPath(), QDir(m_folder).absolutePath());
    QDir::setCurrent(avant);

    quandOuvert([&](QFileDialog& d) {
        taper(d, QStringLiteral("voyage"));
        valider(d);
    });
    const QString nouveau = chooser.saveFile(
        {QStringLiteral("Sauvegarder"), QStringLiteral("Album de photos|*.alb"), m_folder, {}});
    QCOMPARE(nouveau, QDir::toNativeSeparators(m_folder + QStringLiteral("/voyage")));
    QDir::setCurrent(avant);
}

void TestFileChooser::annulerDonneVide_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("ouvrir") << 0;
    QTest::newRow("ouvrir plusieurs") << 1;
    QTest::newRow("enregistrer") << 2;
}

void TestFileChooser::annulerDonneVide() {
    QFETCH(int, mode);
    const QString avant = QDir::currentPath();
    DialogFileChooser chooser;
    quandOuvert([](QFileDialog& d) {
        taper(d, QStringLiteral("a.jpg"));
        d.reject();
    });
    const FileDialogRequest r{QStringLiteral("T"), QString(), m_folder, {}};
    const QString result = mode == 0   ? chooser.openFile(r)
                           : mode == 1 ? chooser.openFiles(r)
                                       : chooser.saveFile(r);
    QVERIFY(result.isEmpty());
    QCOMPARE(QDir::currentPath(), avant);
}

void TestFileChooser::boutonsEnFrancais() {
    QVERIFY(installQtTranslation(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Lumivane"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Retry);
    const auto texte = [&](QMessageBox::StandardButton b) {
        return box.button(b)->text().remove(u'&');
    };
    QCOMPARE(texte(QMessageBox::Yes), QStringLiteral("Oui"));
    QCOMPARE(texte(QMessageBox::No), QStringLiteral("Non"));
    QCOMPARE(texte(QMessageBox::Cancel), QStringLiteral("Annuler"));
    QCOMPARE(texte(QMessageBox::Retry), QStringLiteral("Réessayer"));
    QCOMPARE(QLocale().language(), QLocale::French); // dates and sizes too
}

// "Ajouter ce dossier" gives the folder selected, else the one shown, its separator last.
void TestFileChooser::dossierChoisi_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected"); // under the folder shown
    QTest::newRow("le dossier affiché") << ""
                                        << "";
    QTest::newRow("le dossier sélectionné") << "Noel"
                                            << "/Noel";
}

void TestFileChooser::dossierChoisi() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    DialogFileChooser chooser;
    quandOuvert([typed](QFileDialog& d) {
        if (!typed.isEmpty())
            taper(d, typed);
        auto* bouton = d.findChild<QPushButton*>(DialogFileChooser::folderButtonName);
        QVERIFY(bouton);
        QCOMPARE(bouton->text(), QStringLiteral("Ajouter ce dossier"));
        bouton->click();
    });
    const QString result = chooser.openFiles({QStringLiteral("Sélectionner les photos !"),
                                              QStringLiteral("Images|*.jpg"),
                                              m_folder,
                                              {}});
    QCOMPARE(result, QDir::toNativeSeparators(m_folder + expected) + QDir::separator());
}

QTEST_MAIN(TestFileChooser)
#include "test_filechooser.moc"
