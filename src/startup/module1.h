#pragma once

#include "platform/registrybackend.h"

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

struct Services;

// State that belongs to the whole process, and the procedures of the start-up module that need
// no window: the mode of the command line, the last photo chosen, the preview rectangle, the
// registry reader and the pointer. Owned by main; forms hold a reference.
class Module1 {
public:
    explicit Module1(Services& services);

    Services& services;

    QString LigneCommande; // the command line as the process received it
    QString ModeCommande;  // "/S", "/P", "/C" or anything else
    qint16 DernierePhoto = 0;
    QRect RectApercu;
    // Folder of the executable, without a final separator unless it is the root.
    QString DossierProgramme;

    // Set when the show draws into the window of an X11 screen-saver host (-root, -window-id,
    // XSCREENSAVER_WINDOW): the host watches keyboard and pointer itself.
    bool HoteX11 = false;
    // The XSCREENSAVER_WINDOW variable of the environment, as main found it.
    QString VariableFenetreHote;

    // Registry reader state.
    bool CleInvalide = false;

    // Predefined root handle of a root name, 0 when the name is not one.
    static RegistryBackend::Handle CleRacine(const QString& nom);
    // Replaces `chemin` by its subkey (or by "@" when malformed) and sets the root handle.
    void SeparerCle(QString& chemin);
    // The string value `nom` of the key `chemin`: nothing, "Error", or the value.
    std::optional<QString> LireRegistre(QString& chemin, const QString& nom);
    // Folder of installed programs: the value, "Error", "C:\TEMP" or "".
    QString DossierProgrammes();

    // Makes sure the mouse pointer is shown; the program never hides it.
    void AfficherCurseur();

    // Ends the program. Tests replace it to observe the end without leaving the process.
    std::function<void()> FinProgramme;

    // The mode of a command line: trimmed, upper case, first two characters, trimmed again.
    static QString ModeDe(const QString& ligneCommande);
    // The preview pane's window from a "/P" command line: the number from its 4th character on,
    // decimal or 0x-hexadecimal. Nothing when there is no usable number.
    static std::optional<quintptr> FenetreApercu(const QString& ligneCommande);

private:
    RegistryBackend::Handle m_racine = 0;
};
