#include "platform/whenready.h"

#include <QPromise>
#include <QTest>
#include <memory>
#include <thread>

// A result reaches its context's thread; a context gone first hears nothing, and nothing aborts.
class TestWhenReady : public QObject {
    Q_OBJECT
private slots:
    void resultat_data() {
        QTest::addColumn<bool>("contexteDetruit");
        QTest::newRow("contexte là") << false;
        QTest::newRow("contexte détruit avant") << true;
    }
    void resultat() {
        QFETCH(bool, contexteDetruit);
        QPromise<int> promesse;
        promesse.start();
        auto contexte = std::make_unique<QObject>();
        int recu = 0;
        QThread* fil = nullptr;
        whenReady(promesse.future(), contexte.get(), [&](int v) {
            recu = v;
            fil = QThread::currentThread();
        });
        if (contexteDetruit)
            contexte.reset();
        std::thread([&] {
            promesse.addResult(7);
            promesse.finish();
        }).join();
        QTest::qWait(50);
        QCOMPARE(recu, contexteDetruit ? 0 : 7);
        QCOMPARE(fil, contexteDetruit ? nullptr : QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(TestWhenReady)
#include "test_whenready.moc"
