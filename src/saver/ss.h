#pragma once

#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class Module1;
class PhotoPanel;

// The display form: a black surface showing the album's photos one after another, full screen
// or inside a preview pane. Constructing it runs its load step.
class SS : public QWidget {
    Q_OBJECT
public:
    explicit SS(Module1& module, QWidget* parent = nullptr);
    ~SS() override;

    // Controls.
    QStringList Liste;      // the photo list; never shown
    QWidget* SSTransition1; // covers the form, holds Photo
    PhotoPanel* Photo;      // the current photo and its title
    QTimer Timer1;          // drives the cycle
    QImage Tempo;           // a picture on its way to the wallpaper bitmap
    QString Tag;

    // Form-level state.
    bool Quitter = false;
    bool SourisArmee = false;
    double SourisX = 0;
    double SourisY = 0;

    // Event handlers.
    void Form_Load();
    void Form_Resize();
    void Form_KeyDown();
    void Form_Unload();
    void Photo_MouseMove(Qt::MouseButtons bouton, Qt::KeyboardModifiers shift, double x, double y);
    void Timer1_Timer();

    // Fills Liste from the settings store, letting pending events run between reads.
    void ChargerPhotos();
    // Puts the photo at 1-based position k in place: its title (when titles are on) and its
    // picture (the previous picture stays when the file cannot be loaded).
    void AfficherPhoto(int k);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Size at which photos are decoded: the surface's size in device pixels.
    QSize TailleAffichage() const;
    void Terminer();

    Module1& m_module;
    bool m_unloaded = false;
};
