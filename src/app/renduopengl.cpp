#include "app/renduopengl.h"

#include "platform/glrenderer.h"

#include <QGuiApplication>
#include <cstdio>

int direRenduOpenGL(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString ligne = PrefixeRenduOpenGL + u' ' + GlRenderer::name() + u'\n';
    std::fputs(ligne.toLocal8Bit().constData(), stdout);
    return 0;
}
