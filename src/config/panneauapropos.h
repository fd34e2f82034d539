#pragma once

#include "controls/captionpanel.h"

#include <QVariantAnimation>
#include <array>

class QLabel;

// The about panel (APropos), open at start. It slides shut when the pointer crosses it and
// slides open again when the pointer reaches the album's area; the slide runs as an animation,
// so the dialog answers the user while it moves.
class PanneauAPropos : public CaptionPanel {
    Q_OBJECT
public:
    explicit PanneauAPropos(QWidget* parent);

    // Length of the slide, in milliseconds; 0 jumps to the end at once.
    int DureeGlissement = 180;

    void OuvrirAPropos();
    void FermerAPropos();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void creerTextes();
    void glisser(int depuis, int jusqua);

    std::array<QLabel*, 5> L{};
    QVariantAnimation m_glissement;
    bool m_ouvert = true;
};
