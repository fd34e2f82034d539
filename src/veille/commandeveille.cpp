#include "veille/commandeveille.h"

#include "platform/printline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

// The desktop entry's quoting: a path with blanks or quotes is written between double quotes.
QString argumentEntree(const QString& texte) {
    static const QString speciaux = QStringLiteral(" \t\"'\\`$");
    if (std::none_of(texte.begin(), texte.end(), [](QChar c) { return speciaux.contains(c); }))
        return texte;
    QString echappe = texte;
    for (const QChar c : {u'\\', u'"', u'`', u'$'})
        echappe.replace(c, QStringLiteral("\\") + c);
    return u'"' + echappe + u'"';
}

} // namespace

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

QByteArray texteEntreeVeille(const QString& programme) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Lumivane (veille)\n"
                          "Comment=Lance le diaporama quand l'ordinateur reste inactif\n"
                          "Icon=lumivane\n"
                          "Exec=%1 --veille\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(argumentEntree(programme))
        .toUtf8();
}

int activerVeille(const QString& programme) {
    const QString chemin = cheminEntreeVeille();
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile entree(chemin);
    if (!entree.open(QIODevice::WriteOnly) || entree.write(texteEntreeVeille(programme)) < 0 ||
        !entree.commit()) {
        printLine(QStringLiteral("lumivane : impossible d'écrire %1 (%2).")
                      .arg(chemin, entree.errorString()),
                  stderr);
        return 1;
    }
    const auto verrou = verrouVeille();
    const bool libre = verrou->tryLock(0);
    verrou->unlock();
    if (libre) {
        // Detached, with nothing of ours open: the watcher outlives this command.
        QProcess veille;
        veille.setProgram(programme);
        veille.setArguments({QStringLiteral("--veille")});
        veille.setStandardInputFile(QProcess::nullDevice());
        veille.setStandardOutputFile(QProcess::nullDevice());
        veille.setStandardErrorFile(QProcess::nullDevice());
        if (!veille.startDetached()) {
            printLine(QStringLiteral("lumivane : veille activée pour les prochaines sessions "
                                     "(%1), mais impossible de la démarrer maintenant.")
                          .arg(chemin),
                      stderr);
            return 1;
        }
    }
    printLine(QStringLiteral("Veille activée : le diaporama démarrera quand l'ordinateur restera "
                             "inactif, dès maintenant et à chaque session (%1).")
                  .arg(chemin));
    return 0;
}

int desactiverVeille() {
    const QString chemin = cheminEntreeVeille();
    if (QFile::exists(chemin) && !QFile::remove(chemin)) {
        printLine(QStringLiteral("lumivane : impossible de supprimer %1.").arg(chemin), stderr);
        return 1;
    }
    const auto verrou = verrouVeille();
    qint64 pid = 0;
    QString hote;
    QString application;
    bool arretee = false;
    if (!verrou->tryLock(0) && verrou->getLockInfo(&pid, &hote, &application) && pid > 0)
        arretee = ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
    else
        verrou->unlock();
    printLine(arretee
                  ? QStringLiteral("Veille désactivée : entrée de démarrage supprimée et veille "
                                   "arrêtée.")
                  : QStringLiteral("Veille désactivée : entrée de démarrage supprimée, aucune "
                                   "veille ne tournait."));
    return 0;
}
