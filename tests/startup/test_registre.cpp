#include "doubles.h"
#include "startup/lecteurregistre.h"

#include <QTest>

namespace {
constexpr RegistryBackend::Handle HKLM = 0x80000002u;
const QByteArray CurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
} // namespace

class TestRegistre : public QObject {
    Q_OBJECT
private slots:
    void cleRacine_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<uint>("handle");
        QTest::newRow("classes") << "HKEY_CLASSES_ROOT" << 0x80000000u;
        QTest::newRow("utilisateur") << "HKEY_CURRENT_USER" << 0x80000001u;
        QTest::newRow("machine") << "HKEY_LOCAL_MACHINE" << 0x80000002u;
        QTest::newRow("utilisateurs") << "HKEY_USERS" << 0x80000003u;
        QTest::newRow("performance") << "HKEY_PERFORMANCE_DATA" << 0x80000004u;
        QTest::newRow("configuration") << "HKEY_CURRENT_CONFIG" << 0x80000005u;
        QTest::newRow("dynamique") << "HKEY_DYN_DATA" << 0x80000006u;
        QTest::newRow("minuscules") << "hkey_local_machine" << 0u;
        QTest::newRow("inconnue") << "HKEY_NOWHERE" << 0u;
        QTest::newRow("vide") << "" << 0u;
    }
    void cleRacine() {
        QFETCH(QString, nom);
        QFETCH(uint, handle);
        QCOMPARE(uint(LecteurRegistre::CleRacine(nom)), handle);
    }

    void separerCle_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("reste");
        QTest::newRow("racine et sous-clé") << "HKEY_LOCAL_MACHINE\\Software\\X"
                                            << "Software\\X";
        QTest::newRow("racine seule") << "HKEY_LOCAL_MACHINE"
                                      << "";
        QTest::newRow("séparateur final") << "HKEY_LOCAL_MACHINE\\Software\\"
                                          << "@";
        QTest::newRow("minuscules") << "hkey_local_machine\\Software"
                                    << "@";
        QTest::newRow("sans racine") << "Software\\X"
                                     << "@";
        QTest::newRow("vide") << ""
                              << "@";
    }
    void separerCle() {
        QFETCH(QString, chemin);
        QFETCH(QString, reste);
        TestServices t;
        LecteurRegistre m(t.registry);
        m.SeparerCle(chemin);
        QCOMPARE(chemin, reste);
    }

    void lireRegistre_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<bool>("rien");
        QTest::addColumn<QString>("resultat");
        QTest::addColumn<bool>("invalide");
        const QString cv =
            QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromLatin1(CurrentVersion);
        QTest::newRow("valeur") << cv << QByteArray("C:\\Program Files") << false
                                << "C:\\Program Files" << false;
        QTest::newRow("blancs de tête ôtés, ceux du milieu gardés")
            << cv << QByteArray("   C:\\Progs  x  ") << false << "C:\\Progs  x  " << false;
        QTest::newRow("254 octets tiennent")
            << cv << QByteArray(254, 'a') << false << QString(254, u'a') << false;
        QTest::newRow("255 octets ne tiennent pas")
            << cv << QByteArray(255, 'a') << false << "Error" << false;
        QTest::newRow("clé absente") << "HKEY_LOCAL_MACHINE\\Software\\Absent" << QByteArray("x")
                                     << false << "Error" << false;
        QTest::newRow("racine inconnue")
            << "HKEY_NOWHERE\\Software" << QByteArray("x") << true << "" << false;
        QTest::newRow("mal formée")
            << "hkey_local_machine\\Software" << QByteArray("x") << true << "" << true;
    }
    void lireRegistre() {
        QFETCH(QString, chemin);
        QFETCH(QByteArray, stocke);
        QFETCH(bool, rien);
        QFETCH(QString, resultat);
        QFETCH(bool, invalide);
        TestServices t;
        t.registry.set(HKLM, CurrentVersion, "ProgramFilesDir", stocke);
        LecteurRegistre m(t.registry);
        const auto v = m.LireRegistre(chemin, QStringLiteral("ProgramFilesDir"));
        QCOMPARE(!v.has_value(), rien);
        if (v)
            QCOMPARE(*v, resultat);
        QCOMPARE(m.CleInvalide(), invalide);
    }

    void racineSeuleSousCleVide() {
        TestServices t;
        LecteurRegistre m(t.registry);
        QString chemin = QStringLiteral("HKEY_LOCAL_MACHINE");
        QCOMPARE(m.LireRegistre(chemin, QStringLiteral("x")),
                 std::optional<QString>(QStringLiteral("Error")));
        QCOMPARE(t.registry.opened, QStringList{QStringLiteral("80000002|")});
    }

    void dossierProgrammes() {
        TestServices t;
        LecteurRegistre m(t.registry);
        QCOMPARE(m.DossierProgrammes(), QStringLiteral("Error"));
        t.registry.set(HKLM, CurrentVersion, "ProgramFilesDir", "D:\\Programmes");
        QCOMPARE(m.DossierProgrammes(), QStringLiteral("D:\\Programmes"));
        // A zero inside the value ends it.
        t.registry.set(HKLM, CurrentVersion, "ProgramFilesDir", QByteArray("D:\\P\0junk", 9));
        QCOMPARE(m.DossierProgrammes(), QStringLiteral("D:\\P"));
        // A malformed lookup earlier does not leak into the next one.
        QString mauvais = QStringLiteral("hkey");
        m.LireRegistre(mauvais, QStringLiteral("x"));
        QVERIFY(m.CleInvalide());
        QCOMPARE(m.DossierProgrammes(), QStringLiteral("D:\\P"));
        QVERIFY(!m.CleInvalide());
        // Every key that was opened was closed again.
        QCOMPARE(t.registry.closed, 3);
    }
};

QTEST_GUILESS_MAIN(TestRegistre)
#include "test_registre.moc"
