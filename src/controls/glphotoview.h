#pragma once

#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <array>
#include <memory>

class PhotoPanel;
class QOpenGLShaderProgram;

// Draws a PhotoPanel's layers and caption with OpenGL, covering the panel: each layer is one
// pass of a shader that finds, for every pixel, the picture where the layer's motion puts it
// (black around it) and blends it at the layer's opacity. Each picture is uploaded once, as a
// texture, the first time it is drawn. Pointer events go to the panel.
class GlPhotoView final : public QOpenGLWidget, protected QOpenGLFunctions {
public:
    explicit GlPhotoView(PhotoPanel* panel);
    ~GlPhotoView() override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    struct Texture {
        GLuint id = 0;
        qint64 key = 0; // the picture's cacheKey
    };
    // The texture of `image` when it was uploaded, 0 otherwise.
    GLuint texture(const QImage& image);
    void upload(const QImage& image);
    void release();

    PhotoPanel* m_panel;
    std::unique_ptr<QOpenGLShaderProgram> m_program;
    // The pictures of the two layers drawn last.
    std::array<Texture, 2> m_textures{};
    bool m_bgra = true;
};
