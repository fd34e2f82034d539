#include "hote/ajoutxscreensaver.h"

#include "platform/printline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

namespace {

// The host's own layout: tabs before the entry, `\n\` ending a line of the list.
const QByteArray ligneLumivane = "\t\t\t\t\"Lumivane\"  lumivane --root\t\t\t\t    \\n\\";

// Index of the line opening the program list (`programs:`, `*programs:` in app-defaults), or -1.
qsizetype debutListe(const QList<QByteArray>& lignes) {
    static const QRegularExpression debut(QStringLiteral("^\\*?programs:"));
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (debut.match(QString::fromLatin1(lignes[i])).hasMatch())
            return i;
    return -1;
}

// Index of the list's last line: the first that does not continue with a backslash.
qsizetype finListe(const QList<QByteArray>& lignes, qsizetype debut) {
    qsizetype i = debut;
    while (i + 1 < lignes.size() && lignes[i].trimmed().endsWith('\\'))
        ++i;
    return i;
}

bool contientLumivane(const QList<QByteArray>& lignes, qsizetype debut, qsizetype fin) {
    static const QRegularExpression programme(QStringLiteral("(^|[\\s\"/])lumivane\\s"));
    for (qsizetype i = debut; i <= fin; ++i)
        if (programme.match(QString::fromUtf8(lignes[i])).hasMatch())
            return true;
    return false;
}

} // namespace

QByteArray ajouterAuxProgrammes(const QByteArray& fichier, const QByteArray& defauts) {
    QList<QByteArray> lignes = fichier.split('\n');
    qsizetype debut = debutListe(lignes);
    if (debut < 0) {
        // The user's file lacks a list: the host's defaults give it, as its own writer would.
        const QList<QByteArray> source = defauts.split('\n');
        const qsizetype debutDefauts = debutListe(source);
        if (debutDefauts < 0)
            return {};
        QList<QByteArray> liste =
            source.mid(debutDefauts, finListe(source, debutDefauts) - debutDefauts + 1);
        if (liste.front().startsWith('*'))
            liste.front().remove(0, 1);
        if (fichier.isEmpty())
            lignes = {"# XScreenSaver Preferences File", ""};
        else if (lignes.back().isEmpty())
            lignes.removeLast();
        debut = lignes.size();
        lignes << liste << "";
    }
    if (contientLumivane(lignes, debut, finListe(lignes, debut)))
        return lignes.join('\n');
    lignes.insert(debut + 1, ligneLumivane);
    return lignes.join('\n');
}

int ajouterXScreenSaver() {
    const QString chemin = QDir::home().filePath(QStringLiteral(".xscreensaver"));
    QFile actuel(chemin);
    const QByteArray fichier = actuel.open(QIODevice::ReadOnly) ? actuel.readAll() : QByteArray();
    QByteArray defauts;
    for (const char* d :
         {"/etc/X11/app-defaults/XScreenSaver", "/usr/share/X11/app-defaults/XScreenSaver"}) {
        QFile f(QString::fromLatin1(d));
        if (f.open(QIODevice::ReadOnly)) {
            defauts = f.readAll();
            break;
        }
    }
    const QByteArray nouveau = ajouterAuxProgrammes(fichier, defauts);
    if (nouveau.isEmpty()) {
        printLine(
            QStringLiteral("lumivane : ni %1 ni les réglages par défaut de xscreensaver ne "
                           "contiennent de liste de programmes (xscreensaver est-il installé ?).")
                .arg(chemin),
            stderr);
        return 1;
    }
    if (nouveau == fichier) {
        printLine(
            QStringLiteral("Lumivane figure déjà dans la liste des programmes de %1.").arg(chemin),
            stdout);
        return 0;
    }
    QSaveFile sortie(chemin);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(nouveau) < 0 || !sortie.commit()) {
        printLine(QStringLiteral("lumivane : impossible d'écrire %1 (%2).")
                      .arg(chemin, sortie.errorString()),
                  stderr);
        return 1;
    }
    // A running host reads its file again; without one, the next start reads it anyway.
    QProcess hote;
    hote.setProgram(QStringLiteral("xscreensaver-command"));
    hote.setArguments({QStringLiteral("-restart")});
    hote.setStandardOutputFile(QProcess::nullDevice());
    hote.setStandardErrorFile(QProcess::nullDevice());
    hote.start();
    const bool relu = hote.waitForFinished(5000) && hote.exitStatus() == QProcess::NormalExit &&
                      hote.exitCode() == 0;
    printLine(QStringLiteral("Lumivane ajouté à la liste des programmes de %1%2.")
                  .arg(chemin, relu ? QStringLiteral(" ; xscreensaver l'a relue") : QString()),
              stdout);
    return 0;
}
