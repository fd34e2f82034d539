#include "startup/lancement.h"

#include "platform/instancelock.h"
#include "settings/reglages.h"
#include "startup/lignecommande.h"

Lancement genreDeLancement(const QString& ligneCommande, const QString& variableFenetreHote) {
    const QString ligne = ligneCommande.trimmed();
    if (ligne == QStringLiteral("--help"))
        return Lancement::Aide;
    if (ligne == QStringLiteral("--version"))
        return Lancement::Version;
    const QString simple = ligne.simplified();
    if (simple == QStringLiteral("--veille"))
        return Lancement::Veille;
    if (simple == QStringLiteral("--veille on"))
        return Lancement::VeilleActivee;
    if (simple == QStringLiteral("--veille off"))
        return Lancement::VeilleDesactivee;
    if (simple == QStringLiteral("--ajouter-xscreensaver"))
        return Lancement::AjoutXScreenSaver;
    const QString mode = modeDe(ligneCommande);
    if (mode == QStringLiteral("/S") || mode == QStringLiteral("/C") ||
        mode == QStringLiteral("/P") || fenetreHoteX11(ligneCommande, variableFenetreHote))
        return Lancement::Fenetre;
    return Lancement::SansFenetre;
}

void terminerSansFenetre(SettingsStore& settings, InstanceLock& instance) {
    if (!instance.anotherInstanceRunning())
        Reglages::effacer(settings, Reglages::wallTemp());
}

QString texteAide() {
    return QStringLiteral(
        "Utilisation : lumivane [/S | /P <fenêtre> | /C | --root | --window-id <fenêtre>\n"
        "                       | --veille [on | off] | --ajouter-xscreensaver]\n"
        "Diaporama des photos d'un album, en économiseur d'écran.\n"
        "\n"
        "  /S                     diaporama plein écran, sur chaque écran\n"
        "  /P <fenêtre>           diaporama dans la fenêtre X11 donnée (décimal ou 0x…)\n"
        "  /C                     réglages : album, vitesse, titres, fonds d'écran\n"
        "  --root                 diaporama dans la fenêtre de l'hôte d'économiseur d'écran\n"
        "                         (variable XSCREENSAVER_WINDOW), sinon sur le fond de l'écran\n"
        "  --window-id <fenêtre>  diaporama dans la fenêtre X11 donnée\n"
        "  --veille               lance le diaporama quand l'ordinateur reste inactif\n"
        "                         (délai : section Veille, clé Delai, en secondes)\n"
        "  --veille on            active la veille à chaque session, et dès maintenant\n"
        "  --veille off           désactive la veille et l'arrête\n"
        "  --ajouter-xscreensaver ajoute Lumivane aux programmes de xscreensaver\n"
        "  --help                 affiche cette aide\n"
        "  --version              affiche la version\n"
        "\n"
        "Sans argument reconnu, le programme se termine sans ouvrir de fenêtre.");
}

QString texteVersion(const QString& version) {
    return QStringLiteral("Lumivane %1").arg(version);
}

QString messageSansEcran() {
    return QStringLiteral("lumivane : aucun écran disponible (la variable DISPLAY ne désigne "
                          "aucun serveur X accessible).");
}

QString messageHoteSansX11() {
    return QStringLiteral("lumivane : les modes /P, --root et --window-id dessinent dans la "
                          "fenêtre d'un autre programme et demandent une session X11 ; sous "
                          "Wayland, utilisez lumivane --veille on.");
}

bool modeHote(const QString& ligneCommande, const QString& variableFenetreHote) {
    const QString mode = modeDe(ligneCommande);
    if (mode == QStringLiteral("/S") || mode == QStringLiteral("/C"))
        return false;
    return mode == QStringLiteral("/P") ||
           fenetreHoteX11(ligneCommande, variableFenetreHote).has_value();
}
