#include "platform/glrenderer.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

QString GlRenderer::name() {
    QOpenGLContext context;
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return {};
    const auto* text = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = text ? QString::fromLatin1(text) : QString();
    context.doneCurrent();
    return renderer;
}

bool GlRenderer::isSoftware(const QString& renderer) {
    static const char* const software[] = {"llvmpipe", "softpipe", "swrast", "software rasterizer",
                                            "swiftshader", "basic render driver"};
    for (const char* l : software)
        if (renderer.contains(QLatin1String(l), Qt::CaseInsensitive))
            return true;
    return false;
}
