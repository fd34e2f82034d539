#pragma once

#include <QString>
#include <memory>

class EcransSS;
class Form2;
class Module1;
class QScreen;
class SS;
struct Services;

// The program's entry procedure: reads the mode of the command line and opens the display form
// or the dialog. Owns the forms of the run.
class Demarrage {
public:
    Demarrage(Services& services, Module1& module);
    ~Demarrage();

    enum class Suite { Continuer, Terminer };

    // Reads the mode, prepares and shows the form it asks for. Terminer: the program ends now,
    // with no window left.
    Suite Main(const QString& ligneCommande);

    // The show of the primary screen, the preview or the host's window.
    SS* ss() const { return m_ss.get(); }
    Form2* form2() const { return m_form2.get(); }

private:
    // Fills the photo list and puts the first random photo and its title in place.
    void preparerPremierePhoto();
    // The show of a screen other than the primary one, ready to cover it.
    std::unique_ptr<SS> formeAutreEcran(QScreen* ecran);
    Suite abandonnerAffichage();
    // The show inside the window of an X11 screen-saver host (0: the root window).
    Suite mainHote(quintptr fenetre);
    // Takes the keyboard for the full-screen show as soon as the X server allows it.
    void prendreClavier();
    // Ends the run when the window we draw into disappears; follows its size on request.
    void suivreFenetreHote(quintptr fenetre, bool suivreTaille);

    Services& m_services;
    Module1& m_module;
    std::unique_ptr<SS> m_ss;
    std::unique_ptr<EcransSS> m_ecrans;
    std::unique_ptr<Form2> m_form2;
};
