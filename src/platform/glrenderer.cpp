#include "platform/glrenderer.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QProcess>

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

QString GlRenderer::nameFromChild(const QString& program, const QString& argument,
                                  const QString& prefix) {
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(program, {argument});
    if (!child.waitForFinished(3000)) {
        child.kill();
        child.waitForFinished(1000);
        return {};
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return {};
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QString text = QString::fromLocal8Bit(line).trimmed();
        if (text.startsWith(prefix))
            return text.mid(prefix.size()).trimmed();
    }
    return {};
}

bool GlRenderer::isSoftware(const QString& renderer) {
    static const char* const software[] = {"llvmpipe",    "softpipe",
                                           "swrast",      "software rasterizer",
                                           "swiftshader", "basic render driver"};
    for (const char* l : software)
        if (renderer.contains(QLatin1String(l), Qt::CaseInsensitive))
            return true;
    return false;
}
