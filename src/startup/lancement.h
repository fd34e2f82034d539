#pragma once

#include <QString>

class InstanceLock;
class SettingsStore;

// What a start asks for, decided from the command line alone, before any window system is
// touched: help and version texts, and the starts that open no window, need no display.
// The idle watcher and its commands open none either.
enum class Lancement {
    Aide,
    Version,
    Veille,
    VeilleActivee,
    VeilleDesactivee,
    AjoutXScreenSaver,
    SansFenetre,
    Fenetre
};

Lancement genreDeLancement(const QString& ligneCommande, const QString& variableFenetreHote);

// A start that opens no window still clears the record of the applied wallpaper, unless
// another instance owns it.
void terminerSansFenetre(SettingsStore& settings, InstanceLock& instance);

// Texts of a start from a terminal, without the final line feed (printLine adds it).
QString texteAide();
QString texteVersion(const QString& version);
QString messageSansEcran();
QString messageHoteSansX11();

// The modes that draw into a window of another program (/P, --root, --window-id): only X11 has
// such windows.
bool modeHote(const QString& ligneCommande, const QString& variableFenetreHote);
