#include "controls/glphotoview.h"

#include "controls/photopanel.h"

#include <QOpenGLContext>
#include <QOpenGLShaderProgram>
#include <QPainter>
#include <algorithm>

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif

namespace {

// One triangle that covers the viewport; the fragment shader does the rest.
const char* const VertexShader = R"(
attribute vec2 sommet;
void main() { gl_Position = vec4(sommet, 0.0, 1.0); }
)";

// `hauteur` turns OpenGL's window coordinates (from the bottom) into the panel's (from the
// top). A pixel belongs to the picture when its centre lies inside the picture's rectangle, as
// with the painter.
const char* const FragmentShader = R"(
#ifdef GL_ES
precision highp float;
#endif
uniform sampler2D photo;
uniform float avecPhoto;
uniform vec4 cadrePhoto;
uniform float opacite;
uniform float hauteur;
void main() {
    vec2 pixel = vec2(gl_FragCoord.x, hauteur - gl_FragCoord.y);
    vec2 p = (pixel - cadrePhoto.xy) / cadrePhoto.zw;
    vec3 c = vec3(0.0);
    if (avecPhoto > 0.5 && p.x >= 0.0 && p.y >= 0.0 && p.x < 1.0 && p.y < 1.0)
        c = texture2D(photo, p).rgb;
    gl_FragColor = vec4(c, opacite);
}
)";

QVector4D rectangle(const QRectF& r, qreal dpr) {
    return QVector4D(float(r.x() * dpr), float(r.y() * dpr), float(r.width() * dpr),
                     float(r.height() * dpr));
}

} // namespace

GlPhotoView::GlPhotoView(PhotoPanel* panel) : QOpenGLWidget(panel), m_panel(panel) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setUpdateBehavior(QOpenGLWidget::NoPartialUpdate);
}

GlPhotoView::~GlPhotoView() {
    if (!context())
        return;
    // The base class destroys the context after this: its signal must not reach this view then.
    disconnect(context(), &QOpenGLContext::aboutToBeDestroyed, this, nullptr);
    makeCurrent();
    release();
    m_program.reset();
    doneCurrent();
}

void GlPhotoView::release() {
    for (Texture& t : m_textures)
        if (t.id)
            glDeleteTextures(1, &t.id);
    m_textures = {};
}

void GlPhotoView::initializeGL() {
    initializeOpenGLFunctions();
    // Desktop OpenGL reads the pictures' own byte order; OpenGL ES may not.
    m_bgra = !context()->isOpenGLES() ||
             context()->hasExtension(QByteArrayLiteral("GL_EXT_texture_format_BGRA8888"));
    m_program = std::make_unique<QOpenGLShaderProgram>();
    m_program->addShaderFromSourceCode(QOpenGLShader::Vertex, VertexShader);
    m_program->addShaderFromSourceCode(QOpenGLShader::Fragment, FragmentShader);
    m_program->bindAttributeLocation("sommet", 0);
    m_program->link();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        release();
        doneCurrent();
    });
}

GLuint GlPhotoView::texture(const QImage& image) {
    if (image.isNull())
        return 0;
    const qint64 key = image.cacheKey();
    for (const Texture& t : m_textures)
        if (t.id && t.key == key)
            return t.id;
    return 0;
}

void GlPhotoView::upload(const QImage& image) {
    auto slot = std::find_if(m_textures.begin(), m_textures.end(),
                             [](const Texture& t) { return t.id == 0; });
    if (slot == m_textures.end())
        return;
    // Colours over black, as the painter draws a picture with transparent parts over the
    // panel's black; an opaque photo is used as it is, without a copy.
    const QImage::Format f = image.format();
    const QImage pixels =
        m_bgra ? (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied
                      ? image
                      : image.convertToFormat(QImage::Format_ARGB32_Premultiplied))
               : image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    glGenTextures(1, &slot->id);
    slot->key = image.cacheKey();
    glBindTexture(GL_TEXTURE_2D, slot->id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width(), pixels.height(), 0,
                 m_bgra ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, pixels.constBits());
}

void GlPhotoView::paintGL() {
    m_panel->countFrame();
    const QList<PhotoPanel::Drawn> layers = m_panel->drawnLayers();
    // The textures of pictures no longer drawn go; those of new pictures come, once each.
    std::array<qint64, 2> wanted{};
    for (qsizetype i = 0; i < layers.size() && i < 2; ++i)
        wanted[std::size_t(i)] = layers[i].layer->picture.cacheKey();
    for (Texture& t : m_textures)
        if (t.id && std::find(wanted.begin(), wanted.end(), t.key) == wanted.end()) {
            glDeleteTextures(1, &t.id);
            t = {};
        }
    for (const PhotoPanel::Drawn& d : layers)
        if (!d.layer->picture.isNull() && !texture(d.layer->picture))
            upload(d.layer->picture);

    const qreal dpr = devicePixelRatioF();
    glViewport(0, 0, int(width() * dpr), int(height() * dpr));
    glDisable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    // The colour is blended at the layer's opacity; the frame itself stays opaque.
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
    m_program->bind();
    m_program->setUniformValue("photo", 0);
    m_program->setUniformValue("hauteur", float(height() * dpr));
    static const GLfloat triangle[] = {-1, -1, 3, -1, -1, 3};
    m_program->enableAttributeArray(0);
    m_program->setAttributeArray(0, GL_FLOAT, triangle, 2);
    for (const PhotoPanel::Drawn& d : layers) {
        const GLuint photo = texture(d.layer->picture);
        glBindTexture(GL_TEXTURE_2D, photo);
        m_program->setUniformValue("avecPhoto", photo ? 1.0f : 0.0f);
        m_program->setUniformValue("cadrePhoto", rectangle(d.picture, dpr));
        m_program->setUniformValue("opacite", float(d.opacity));
        glDrawArrays(GL_TRIANGLES, 0, 3);
    }
    m_program->disableAttributeArray(0);
    m_program->release();
    glDisable(GL_BLEND);
    if (!m_panel->caption().isEmpty()) {
        QPainter p(this);
        m_panel->paintCaption(p);
    }
}
