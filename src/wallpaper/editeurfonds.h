#pragma once

#include "desktop/fondecran.h"
#include "settings/avisecriture.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

struct Services;

// What the weekday wallpaper editor decides, without its widgets: which day is edited, which of
// the confirm and remove buttons (and their labels) are enabled, what is stored under
// "Wall 0" ... "Wall 6", and today's picture applied to the desktop.
//
// Today's picture is decoded, written and handed to the desktop off the UI thread; meanwhile
// the editor refuses another confirmation, and applicationTerminee() tells when it is over.
// Failures are told through the Prompts service; "WallTemp" records only a wallpaper that the
// desktop took.
class EditeurFonds : public QObject {
    Q_OBJECT
public:
    // Enabled state of DeValider and Valider; their captions TDevalider and TValider follow them,
    // so that a caption never looks disabled beside an active button, nor the other way round.
    struct Activation {
        bool deValider = true;
        bool valider = true;
        friend bool operator==(const Activation&, const Activation&) = default;
    };

    enum class Issue {
        Refusee,     // the user said No: nothing stored
        Enregistree, // stored for a day other than today: done
        ApercuVide,  // stored empty for today: nothing to apply, the buttons stay as they are
        Application, // stored for today; the picture is being applied
    };

    // `dossierSecours` receives the bitmap when the program folder cannot be written.
    EditeurFonds(Services& services, QString dossierProgramme, QString dossierSecours,
                 QObject* parent = nullptr);
    // Waits for an application in progress: it uses the picture and wallpaper services.
    ~EditeurFonds() override;

    int jour() const { return m_jour; }
    const Activation& activation() const { return m_activation; }
    bool applicationEnCours() const { return m_enCours; }

    // Day `jour` (0 Sunday ... 6 Saturday) selected: returns its stored picture, to be previewed.
    QString choisirJour(int jour);
    // A picture was chosen with the file dialog and is previewed.
    void imageChoisie();
    // An album photo whose file exists is previewed: it may be confirmed.
    void entreeAlbumChoisie();
    // Asks, then stores `chemin` (the previewed path) for the day; applies it when it is today's.
    Issue confirmer(const QString& chemin);
    // Asks, then deletes the day's key. The desktop keeps its wallpaper. True when removed.
    bool enlever();

signals:
    void activationChangee();
    // The application started by confirmer() is over; a failure has been told already.
    void applicationTerminee(bool reussie);

private:
    enum class Apres {
        JourAvecImage,
        JourSansImage,
        ImageChoisie,
        EntreeAlbum,
        Confirmee,
        Enlevee
    };
    void activer(Apres evenement);
    void appliquer(const QString& chemin);
    void applicationFinie();

    Services& m_services;
    AvisEcriture m_avis;
    QString m_dossierProgramme;
    QString m_dossierSecours;
    int m_jour = -1;
    Activation m_activation;
    QFutureWatcher<FondEcran> m_application;
    QString m_cheminApplique;
    bool m_enCours = false;
};
