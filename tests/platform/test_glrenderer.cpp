// Which OpenGL renderers draw with the processor, and how a child process names the renderer.

#include "platform/glrenderer.h"

#include <QTest>

class TestGlRenderer : public QObject {
    Q_OBJECT
private slots:
    void logiciel_data() {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("logiciel");
        QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
        QTest::newRow("swrast") << "Mesa DRI swrast" << true;
        QTest::newRow("SwiftShader") << "Google SwiftShader" << true;
        QTest::newRow("Intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
        QTest::newRow("AMD") << "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)" << false;
    }
    void logiciel() {
        QFETCH(QString, renderer);
        QFETCH(bool, logiciel);
        QCOMPARE(GlRenderer::isSoftware(renderer), logiciel);
    }

    // The child's line is found after its prefix; a child that fails or is missing says nothing.
    void enfant_data() {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("nom");
        QTest::newRow("la ligne du prefixe") << "echo"
                                             << "rendu OpenGL : Radeon"
                                             << "Radeon";
        QTest::newRow("sans prefixe") << "echo"
                                      << "autre chose"
                                      << "";
        QTest::newRow("echec") << "false"
                               << "rendu OpenGL : Radeon"
                               << "";
        QTest::newRow("programme absent") << "/nulle/part"
                                          << "rendu OpenGL : Radeon"
                                          << "";
    }
    void enfant() {
        QFETCH(QString, programme);
        QFETCH(QString, argument);
        QFETCH(QString, nom);
        QCOMPARE(GlRenderer::nameFromChild(programme, argument, QStringLiteral("rendu OpenGL :")),
                 nom);
    }
};

QTEST_GUILESS_MAIN(TestGlRenderer)
#include "test_glrenderer.moc"
