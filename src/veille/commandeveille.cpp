#include "veille/commandeveille.h"

#include "platform/lockfileinstancelock.h"
#include "platform/writewholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>

QString cheminEntreeVeille() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/lumivane-veille.desktop");
}

std::unique_ptr<QLockFile> verrouVeille() {
    auto verrou = std::make_unique<QLockFile>(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
        QStringLiteral("/lumivane-veille.lock"));
    verrou->setStaleLockTime(std::chrono::hours(24 * 365 * 10));
    return verrou;
}

std::optional<QString> argumentExec(const QString& texte) {
    // The entry holds one key a line: a line break would end Exec= and start a key of its own.
    if (std::any_of(texte.begin(), texte.end(),
                    [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }))
        return std::nullopt;
    static const QString reserves = QStringLiteral(" \"'\\><~|&;$*?#()`");
    QString argument = texte;
    // A lone % would start a field code that the session replaces.
    argument.replace(u'%', QStringLiteral("%%"));
    if (std::any_of(texte.begin(), texte.end(), [](QChar c) { return reserves.contains(c); })) {
        QString entre;
        for (const QChar c : std::as_const(argument)) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                entre += u'\\';
            entre += c;
        }
        argument = u'"' + entre + u'"';
    }
    // Exec= is a string value: its own escape of the backslash comes over the quoting's.
    argument.replace(u'\\', QStringLiteral("\\\\"));
    return argument;
}

QString texteVerrouImpossible(const QLockFile& verrou) {
    const QString raison = verrou.error() == QLockFile::PermissionError
                               ? QStringLiteral("écriture refusée")
                           : verrou.error() == QLockFile::LockFailedError
                               ? QStringLiteral("verrou d'une veille terminée impossible à retirer")
                               : QStringLiteral("dossier plein ou inaccessible");
    return QStringLiteral("impossible de prendre le verrou %1 (%2)").arg(verrou.fileName(), raison);
}

std::optional<QByteArray> texteEntreeVeille(const QString& programme) {
    const std::optional<QString> exec = argumentExec(programme);
    if (!exec)
        return std::nullopt;
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Lumivane (veille)\n"
                          "Comment=Lance le diaporama quand l'ordinateur reste inactif\n"
                          "Icon=lumivane\n"
                          "Exec=%1 --veille\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(*exec)
        .toUtf8();
}

IssueVeille activerVeille(const QString& programme, bool sourceRepond) {
    // A watcher started without a source would end at once, and would at every session.
    if (!sourceRepond)
        return {1, messageSansSource() + QStringLiteral(" : la veille n'est pas activée.")};
    const QString chemin = cheminEntreeVeille();
    const std::optional<QByteArray> texte = texteEntreeVeille(programme);
    if (!texte)
        return {1, QStringLiteral("lumivane : le chemin du programme (%1) contient un saut de "
                                  "ligne ou un caractère de contrôle : une entrée de démarrage "
                                  "ne peut pas le lancer.")
                       .arg(programme)};
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    const QString erreur = writeWholeFile(chemin, *texte);
    if (!erreur.isEmpty())
        return {1, QStringLiteral("lumivane : impossible d'écrire %1 (%2).").arg(chemin, erreur)};
    const auto verrou = verrouVeille();
    const LockOutcome issue = tryLockNow(*verrou);
    verrou->unlock();
    if (issue == LockOutcome::Unavailable) {
        // A watcher started now would fail on the same lock.
        return {1, QStringLiteral("lumivane : veille activée pour les prochaines sessions (%1), "
                                  "mais impossible de la démarrer maintenant : %2.")
                       .arg(chemin, texteVerrouImpossible(*verrou))};
    }
    if (issue == LockOutcome::Taken) {
        // Detached, with nothing of ours open: the watcher outlives this command.
        QProcess veille;
        veille.setProgram(programme);
        veille.setArguments({QStringLiteral("--veille")});
        veille.setStandardInputFile(QProcess::nullDevice());
        veille.setStandardOutputFile(QProcess::nullDevice());
        veille.setStandardErrorFile(QProcess::nullDevice());
        if (!veille.startDetached())
            return {1, QStringLiteral("lumivane : veille activée pour les prochaines sessions "
                                      "(%1), mais impossible de la démarrer maintenant.")
                           .arg(chemin)};
    }
    // sway runs no autostart entry: its own configuration starts the watcher at login.
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
        return {0, QStringLiteral("Veille activée dès maintenant ; sway ne lit pas %1 : pour "
                                  "chaque session, ajoutez « exec lumivane --veille » à sa "
                                  "configuration.")
                       .arg(chemin)};
    return {0, QStringLiteral("Veille activée : le diaporama démarrera quand l'ordinateur "
                              "restera inactif, dès maintenant et à chaque session (%1).")
                   .arg(chemin)};
}

IssueVeille desactiverVeille() {
    const QString chemin = cheminEntreeVeille();
    if (QFile::exists(chemin) && !QFile::remove(chemin))
        return {1, QStringLiteral("lumivane : impossible de supprimer %1.").arg(chemin)};
    const auto verrou = verrouVeille();
    qint64 pid = 0;
    QString hote;
    QString application;
    bool arretee = false;
    if (!verrou->tryLock(0) && verrou->getLockInfo(&pid, &hote, &application) && pid > 0)
        arretee = ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
    else
        verrou->unlock();
    return {0, arretee ? QStringLiteral("Veille désactivée : entrée de démarrage supprimée et "
                                        "veille arrêtée.")
                       : QStringLiteral("Veille désactivée : entrée de démarrage supprimée, aucune "
                                        "veille ne tournait.")};
}

QString messageSansSource() {
    return QStringLiteral("lumivane : aucune source d'inactivité ne répond (ni GNOME, ni le "
                          "compositeur Wayland, ni org.freedesktop.ScreenSaver, ni l'extension "
                          "d'économiseur de X11)");
}
