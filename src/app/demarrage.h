#pragma once

#include <QString>
#include <memory>

class Form2;
class Module1;
class SS;

// The program's entry procedure: reads the mode of the command line and opens the display form
// or the dialog. Owns the forms of the run.
class Demarrage {
public:
    explicit Demarrage(Module1& module);
    ~Demarrage();

    enum class Suite { Continuer, Terminer };

    // Reads the mode, prepares and shows the form it asks for. Terminer: the program ends now,
    // with no window left.
    Suite Main(const QString& ligneCommande);

    SS* ss() const { return m_ss.get(); }
    Form2* form2() const { return m_form2.get(); }

private:
    // Fills the photo list and puts the first random photo and its title in place.
    void PreparerPremierePhoto();
    Suite AbandonnerAffichage();
    // The show inside the window of an X11 screen-saver host (0: the root window).
    Suite MainHote(quintptr fenetre);
    // Takes the keyboard for the full-screen show as soon as the X server allows it.
    void PrendreClavier();
    // Ends the run when the window we draw into disappears; follows its size on request.
    void SuivreFenetreHote(quintptr fenetre, bool suivreTaille);

    Module1& m_module;
    std::unique_ptr<SS> m_ss;
    std::unique_ptr<Form2> m_form2;
};
