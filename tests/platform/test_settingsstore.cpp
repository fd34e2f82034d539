#include "platform/inisettingsstore.h"
#include "platform/settingsbatch.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <optional>

namespace {

// The other side of the store: this test binary started again, holding its own store on the
// same file for as long as it runs, and doing what each line of its input asks. Stores in one
// process share their cache, so only another process shows what reaches the disk.
class OtherProcess {
    static constexpr int TickFichier = 20;

public:
    explicit OtherProcess(const QString& iniPath) {
        m_process.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--serve"), iniPath});
    }
    ~OtherProcess() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    // Sends one request (operation, section, key, value or default) and returns the answer.
    // QSettings tells another process's write by the file's time and size, and the kernel keeps
    // file times in ticks of a few milliseconds: each side's write lands in a tick of its own.
    QString ask(const QStringList& request) {
        QThread::msleep(TickFichier);
        m_process.write((request.join(u'\t') + u'\n').toUtf8());
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(10000))
                return QStringLiteral("<no answer>");
        QThread::msleep(TickFichier);
        return QString::fromUtf8(m_process.readLine()).chopped(1);
    }

private:
    QProcess m_process;
};

int serve(const QString& iniPath) {
    IniSettingsStore store(iniPath);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        const QStringList f = line.split(u'\t');
        const QString op = f.value(0);
        if (op == QStringLiteral("read"))
            out << store.read(f.value(1), f.value(2), f.value(3)) << '\n';
        else if (op == QStringLiteral("write"))
            store.write(f.value(1), f.value(2), f.value(3));
        else if (op == QStringLiteral("removeKey"))
            store.removeKey(f.value(1), f.value(2));
        else if (op == QStringLiteral("removeSection"))
            store.removeSection(f.value(1));
        if (op != QStringLiteral("read"))
            out << "ok\n";
        out.flush();
    }
    return 0;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    // The dialog and the screen saver run in two processes, each with a store that lives as
    // long as it does: each sees the other's writes and deletions at its next read.
    void autreProcessusVoitLesChangements() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane/Lumivane.ini"));
        IniSettingsStore dialog(path);
        OtherProcess saver(path);
        const QString param = QStringLiteral("Param"), combo = QStringLiteral("Combo 0");
        const QString wallpaper = QStringLiteral("Wallpaper"), temp = QStringLiteral("WallTemp");
        QCOMPARE(saver.ask({"read", param, combo, "0"}), QStringLiteral("0"));
        QCOMPARE(dialog.read(wallpaper, temp, QStringLiteral("-")), QStringLiteral("-"));

        dialog.write(param, combo, QStringLiteral("3"));
        QCOMPARE(saver.ask({"read", param, combo, "0"}), QStringLiteral("3"));
        QCOMPARE(saver.ask({"write", wallpaper, temp, "/a.jpg"}), QStringLiteral("ok"));
        QCOMPARE(dialog.read(wallpaper, temp), QStringLiteral("/a.jpg"));

        dialog.removeSection(param);
        QCOMPARE(saver.ask({"read", param, combo, "x"}), QStringLiteral("x"));
        QCOMPARE(saver.ask({"removeKey", wallpaper, temp}), QStringLiteral("ok"));
        QCOMPARE(dialog.read(wallpaper, temp, QStringLiteral("-")), QStringLiteral("-"));
    }

    // A write the store takes for a repeat, a read of many keys at once and a read in a batch
    // still see what the other process wrote meanwhile.
    void changementsDeLAutreMalgreLeCache() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane.ini"));
        IniSettingsStore dialog(path);
        OtherProcess saver(path);
        const QString param = QStringLiteral("Param"), titre = QStringLiteral("Titre");
        dialog.write(param, titre, QStringLiteral("1"));
        QCOMPARE(saver.ask({"write", param, titre, "0"}), QStringLiteral("ok"));
        dialog.write(param, titre, QStringLiteral("1"));
        QCOMPARE(saver.ask({"read", param, titre}), QStringLiteral("1"));
        QCOMPARE(saver.ask({"write", param, titre, "0"}), QStringLiteral("ok"));
        QCOMPARE(dialog.readMany(param, {titre, QStringLiteral("Absente")}),
                 QStringList({QStringLiteral("0"), QString()}));
        QCOMPARE(saver.ask({"write", param, titre, "2"}), QStringLiteral("ok"));
        const SettingsBatch lot(dialog);
        QCOMPARE(dialog.read(param, titre), QStringLiteral("2"));
    }

    // Everything written in a batch is on disk when the outermost level ends.
    void lotEcritASaFin() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane.ini"));
        IniSettingsStore writer(path);
        OtherProcess reader(path);
        const auto seen = [&](int i) {
            return reader.ask({"read", "Liste de Fichiers", QStringLiteral("Fichier %1").arg(i)});
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
        QCOMPARE(reader.ask({"read", "Param", "Titre"}), QStringLiteral("0"));
    }

    // A folder that cannot hold the file (here a file stands in its place, which the
    // administrator cannot write through either) is told, in a batch and outside one.
    void ecritureRefusee_data() {
        QTest::addColumn<bool>("bloque");
        QTest::addColumn<bool>("enLot");
        QTest::newRow("dossier inscriptible") << false << true;
        QTest::newRow("dossier bloqué, lot") << true << true;
        QTest::newRow("dossier bloqué, écriture seule") << true << false;
    }
    void ecritureRefusee() {
        QFETCH(bool, bloque);
        QFETCH(bool, enLot);
        QTemporaryDir dir;
        if (bloque) {
            QFile f(dir.filePath(QStringLiteral("Lumivane")));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        IniSettingsStore store(dir.filePath(QStringLiteral("Lumivane/Lumivane.ini")));
        {
            std::optional<SettingsBatch> lot;
            if (enLot)
                lot.emplace(store);
            store.write(QStringLiteral("Param"), QStringLiteral("Titre"), QStringLiteral("1"));
        }
        QCOMPARE(store.writeFailed(), bloque);
    }

    // Values reach a later run exactly, whatever characters they hold.
    void valeursIntactes_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("blancs dans les noms") << "Liste de Fichiers"
                                              << "Fichier 10"
                                              << "/p/a b.jpg";
        QTest::newRow("accents") << "Param"
                                 << "Titre"
                                 << "Été à Noël – ça";
        QTest::newRow("chemin Windows") << "Demarrage"
                                        << "RepertoireOpen"
                                        << "C:\\Mes photos\\";
        QTest::newRow("blancs en tête et en fin") << "Param"
                                                  << "X"
                                                  << "  a  ";
        QTest::newRow("syntaxe ini") << "Param"
                                     << "Y"
                                     << "a=b;c\"d[e]#f";
        QTest::newRow("section nommée comme celle par défaut") << "General"
                                                               << "k"
                                                               << "v";
        QTest::newRow("barre oblique dans la clé") << "Param"
                                                   << "a/b"
                                                   << "v";
    }
    void valeursIntactes() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumivane.ini"));
        IniSettingsStore store(path);
        store.write(section, key, value);
        OtherProcess later(path);
        QCOMPARE(later.ask({"read", section, key}), value);
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--serve")
        return serve(QString::fromLocal8Bit(argv[2]));
    TestSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_settingsstore.moc"
