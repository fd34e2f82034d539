#include "platform/inisettingsstore.h"

#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    // Two stores on one file stand for two processes: each sees the other's writes and
    // deletions at its next read.
    void anotherWriterIsSeen() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane/Lumivane.ini"));
        IniSettingsStore dialog(path), saver(path);
        QCOMPARE(
            saver.read(QStringLiteral("Param"), QStringLiteral("Combo 0"), QStringLiteral("0")),
            QStringLiteral("0"));
        dialog.write(QStringLiteral("Param"), QStringLiteral("Combo 0"), QStringLiteral("3"));
        QCOMPARE(
            saver.read(QStringLiteral("Param"), QStringLiteral("Combo 0"), QStringLiteral("0")),
            QStringLiteral("3"));
        saver.write(QStringLiteral("Wallpaper"), QStringLiteral("WallTemp"),
                    QStringLiteral("/a.jpg"));
        dialog.removeSection(QStringLiteral("Param"));
        QCOMPARE(
            saver.read(QStringLiteral("Param"), QStringLiteral("Combo 0"), QStringLiteral("x")),
            QStringLiteral("x"));
        QCOMPARE(dialog.read(QStringLiteral("Wallpaper"), QStringLiteral("WallTemp")),
                 QStringLiteral("/a.jpg"));
        saver.removeKey(QStringLiteral("Wallpaper"), QStringLiteral("WallTemp"));
        QCOMPARE(dialog.read(QStringLiteral("Wallpaper"), QStringLiteral("WallTemp"),
                             QStringLiteral("-")),
                 QStringLiteral("-"));
    }

    // Everything written in a batch is on disk when the outermost level ends.
    void batchReachesDiskAtItsEnd() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane.ini"));
        IniSettingsStore writer(path), reader(path);
        const auto seen = [&](int i) {
            return reader.read(QStringLiteral("Liste de Fichiers"),
                               QStringLiteral("Fichier %1").arg(i));
        };
        {
            SettingsBatch outer(writer);
            {
                SettingsBatch inner(writer);
                for (int i = 0; i < 3000; ++i)
                    writer.write(QStringLiteral("Liste de Fichiers"),
                                 QStringLiteral("Fichier %1").arg(i),
                                 QStringLiteral("/p/%1.jpg").arg(i));
            }
        }
        QCOMPARE(seen(0), QStringLiteral("/p/0.jpg"));
        QCOMPARE(seen(2999), QStringLiteral("/p/2999.jpg"));
        // Outside a batch every write is on disk at once again.
        writer.write(QStringLiteral("Param"), QStringLiteral("Titre"), QStringLiteral("0"));
        QCOMPARE(reader.read(QStringLiteral("Param"), QStringLiteral("Titre")),
                 QStringLiteral("0"));
    }

    // Values survive a restart exactly, whatever characters they hold.
    void valuesSurviveExactly_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("blanks in names") << "Liste de Fichiers"
                                         << "Fichier 10"
                                         << "/p/a b.jpg";
        QTest::newRow("accents") << "Param"
                                 << "Titre"
                                 << "Été à Noël – ça";
        QTest::newRow("windows path") << "Demarrage"
                                      << "RepertoireOpen"
                                      << "C:\\Mes photos\\";
        QTest::newRow("leading and trailing blanks") << "Param"
                                                     << "X"
                                                     << "  a  ";
        QTest::newRow("ini syntax") << "Param"
                                    << "Y"
                                    << "a=b;c\"d[e]#f";
        QTest::newRow("section named like the default one") << "General"
                                                            << "k"
                                                            << "v";
        QTest::newRow("slash in key") << "Param"
                                      << "a/b"
                                      << "v";
    }
    void valuesSurviveExactly() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane.ini"));
        {
            IniSettingsStore store(path);
            store.write(section, key, value);
        }
        IniSettingsStore again(path);
        QCOMPARE(again.read(section, key), value);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
