#pragma once

#include <QRect>
#include <QString>
#include <functional>

// The state of a run that outlives its forms: the command line and its mode, the photo shown
// last, the preview pane's rectangle, whether an X11 screen-saver host holds the show, the
// program's folder and how the program ends. Owned by main; the start-up and the show are given
// it, the dialog only what it needs of it.
class Module1 {
public:
    // `finProgramme` ends the program; tests give their own to observe the end without leaving
    // the process. By default it leaves the event loop.
    Module1(QString dossierProgramme, QString variableFenetreHote,
            std::function<void()> finProgramme = {});

    // Records the command line of the start and its mode.
    void lireLigneCommande(const QString& ligneCommande);
    const QString& ligneCommande() const { return m_ligneCommande; }
    // "/S", "/P", "/C" or anything else.
    const QString& ModeCommande() const { return m_modeCommande; }

    // The 1-based position of the photo chosen last; 0 before the first choice.
    qint16& DernierePhoto() { return m_dernierePhoto; }
    qint16 DernierePhoto() const { return m_dernierePhoto; }

    // The preview pane's client rectangle; invalid outside "/P".
    const QRect& RectApercu() const { return m_rectApercu; }
    void poserRectApercu(const QRect& rect) { m_rectApercu = rect; }

    // Folder of the executable, without a final separator unless it is the root.
    const QString& dossierProgramme() const { return m_dossierProgramme; }

    // Set when the show draws into the window of an X11 screen-saver host (-root, -window-id,
    // XSCREENSAVER_WINDOW): the host watches keyboard and pointer itself.
    bool hoteX11() const { return m_hoteX11; }
    void passerHoteX11() { m_hoteX11 = true; }
    // The XSCREENSAVER_WINDOW variable of the environment, as main found it.
    const QString& variableFenetreHote() const { return m_variableFenetreHote; }

    // Makes sure the mouse pointer is shown; the program never hides it.
    static void AfficherCurseur();

    // Ends the program.
    void finProgramme() const { m_finProgramme(); }

private:
    QString m_ligneCommande;
    QString m_modeCommande;
    qint16 m_dernierePhoto = 0;
    QRect m_rectApercu;
    QString m_dossierProgramme;
    bool m_hoteX11 = false;
    QString m_variableFenetreHote;
    std::function<void()> m_finProgramme;
};
