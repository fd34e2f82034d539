#include "app/renduopengl.h"

#include "platform/glrenderer.h"
#include "platform/printline.h"

#include <QGuiApplication>

int direRenduOpenGL(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    printLine(PrefixeRenduOpenGL + u' ' + GlRenderer::name(), stdout);
    return 0;
}
