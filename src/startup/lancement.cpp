#include "startup/lancement.h"

#include "platform/instancelock.h"
#include "settings/reglages.h"
#include "startup/hotex11.h"
#include "startup/module1.h"

Lancement GenreDeLancement(const QString& ligneCommande, const QString& variableFenetreHote) {
    const QString ligne = ligneCommande.trimmed();
    if (ligne == QStringLiteral("--help"))
        return Lancement::Aide;
    if (ligne == QStringLiteral("--version"))
        return Lancement::Version;
    const QString mode = Module1::ModeDe(ligneCommande);
    if (mode == QStringLiteral("/S") || mode == QStringLiteral("/C") ||
        mode == QStringLiteral("/P") || FenetreHoteX11(ligneCommande, variableFenetreHote))
        return Lancement::Fenetre;
    return Lancement::SansFenetre;
}

void TerminerSansFenetre(SettingsStore& settings, InstanceLock& instance) {
    if (!instance.anotherInstanceRunning())
        Reglages::effacer(settings, Reglages::wallTemp());
}

QString TexteAide() {
    return QStringLiteral(
        "Utilisation : lumivane [/S | /P <fenêtre> | /C | --root | --window-id <fenêtre>]\n"
        "Diaporama des photos d'un album, en économiseur d'écran.\n"
        "\n"
        "  /S                     diaporama plein écran, sur chaque écran\n"
        "  /P <fenêtre>           diaporama dans la fenêtre X11 donnée (décimal ou 0x…)\n"
        "  /C                     réglages : album, vitesse, titres, fonds d'écran\n"
        "  --root                 diaporama dans la fenêtre de l'hôte d'économiseur d'écran\n"
        "                         (variable XSCREENSAVER_WINDOW), sinon sur le fond de l'écran\n"
        "  --window-id <fenêtre>  diaporama dans la fenêtre X11 donnée\n"
        "  --help                 affiche cette aide\n"
        "  --version              affiche la version\n"
        "\n"
        "Sans argument reconnu, le programme se termine sans ouvrir de fenêtre.\n");
}

QString TexteVersion(const QString& version) {
    return QStringLiteral("Lumivane %1\n").arg(version);
}

QString MessageSansEcran() {
    return QStringLiteral("lumivane : aucun écran disponible (la variable DISPLAY ne désigne "
                          "aucun serveur X accessible).\n");
}
