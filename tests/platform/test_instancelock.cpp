#include "fichiers.h"
#include "platform/lockfileinstancelock.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <cstdio>

class TestInstanceLock : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString lockPath() const { return m_dir.filePath(QStringLiteral("run/lumivane.lock")); }

    // Another process of this test binary holding the lock until it is killed.
    std::unique_ptr<QProcess> startHolder() {
        auto p = std::make_unique<QProcess>();
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), lockPath()});
        if (!p->waitForReadyRead(10000))
            return nullptr;
        return p;
    }

private slots:
    void premiereInstanceSeule() {
        LockFileInstanceLock first(lockPath()), second(lockPath());
        QVERIFY(!first.anotherInstanceRunning());
        QVERIFY(second.anotherInstanceRunning());
        // The answer holds for the whole life of the process.
        QVERIFY(!first.anotherInstanceRunning());
    }

    void processusVivantBloque() {
        auto holder = startHolder();
        QVERIFY(holder);
        LockFileInstanceLock mine(lockPath());
        QVERIFY(mine.anotherInstanceRunning());
        holder->kill();
        holder->waitForFinished();
    }

    // A lock that cannot be taken for another reason than its owner (a runtime folder that
    // cannot hold it) says nothing of another instance.
    void erreurPasUneAutreInstance() {
        QFile file(m_dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        LockFileInstanceLock mine(m_dir.filePath(QStringLiteral("file/run/lumivane.lock")));
        QVERIFY(!mine.anotherInstanceRunning());
    }

    // In a full folder, neither a new lock nor a dead process's is another instance's.
    void verrouImpossible() {
        QLockFile neuf(m_dir.filePath(QStringLiteral("neuf.lock")));
        QCOMPARE(limiteEcriture(0, [&] { return tryLockNow(neuf); }), LockOutcome::Unavailable);
        auto holder = startHolder();
        QVERIFY(holder);
        ::kill(pid_t(holder->processId()), SIGKILL);
        holder->waitForFinished();
        QLockFile laisse(lockPath());
        QCOMPARE(limiteEcriture(0, [&] { return tryLockNow(laisse); }), LockOutcome::Unavailable);
    }

    // A process that dies without cleaning up leaves its lock file; the next start takes it.
    void processusMortNeBloquePas() {
        auto holder = startHolder();
        QVERIFY(holder);
        ::kill(pid_t(holder->processId()), SIGKILL);
        holder->waitForFinished();
        QVERIFY(QFile::exists(lockPath()));
        LockFileInstanceLock mine(lockPath());
        QVERIFY(!mine.anotherInstanceRunning());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold") {
        LockFileInstanceLock lock(QString::fromLocal8Bit(argv[2]));
        if (lock.anotherInstanceRunning())
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    TestInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_instancelock.moc"
