#include "platform/whenready.h"

#include <QPromise>
#include <QTest>
#include <memory>
#include <thread>

// A result reaches its context's thread; a context gone first hears nothing, and nothing aborts.
class TestWhenReady : public QObject {
    Q_OBJECT
private slots:
    void resultat() {
        for (const bool contexteDetruit : {false, true}) {
            QPromise<int> promesse;
            promesse.start();
            auto contexte = std::make_unique<QObject>();
            QThread* fil = nullptr;
            whenReady(promesse.future(), contexte.get(),
                      [&](int) { fil = QThread::currentThread(); });
            if (contexteDetruit)
                contexte.reset();
            std::thread([&] { promesse.addResult(7), promesse.finish(); }).join();
            QTest::qWait(50);
            QCOMPARE(fil, contexteDetruit ? nullptr : QThread::currentThread());
        }
    }
};

QTEST_GUILESS_MAIN(TestWhenReady)
#include "test_whenready.moc"
