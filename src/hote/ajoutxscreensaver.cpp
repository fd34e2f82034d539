#include "hote/ajoutxscreensaver.h"

#include "platform/printline.h"
#include "platform/regularfile.h"
#include "platform/writewholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

// Where an entry of the list is ours: the command's program is lumivane, by name or by path, and
// not a list entry that merely names lumivane in an argument or a folder.
struct NotreEntree {
    qsizetype ligne = -1;
    qsizetype tiret = -1; // the `-` that disables it, -1 when it runs
};

// Whether the entry starting at `depuis` in `ligne` runs lumivane: its program comes after the
// optional `-`, the quoted name shown to the user and the visual (`GL:`), in either order.
bool entreeLumivane(const QByteArray& ligne, qsizetype depuis, qsizetype* tiret) {
    static const QRegularExpression entree(QStringLiteral(
        "^\\s*(-?)\\s*(\"[^\"]*\"\\s*)?([A-Za-z0-9_-]+:\\s*)?(\"[^\"]*\"\\s*)?([^\\s\\\\]+)"));
    const QRegularExpressionMatch m = entree.match(QString::fromLatin1(ligne.mid(depuis)));
    if (!m.hasMatch())
        return false;
    const QString programme = m.captured(5);
    if (programme != QStringLiteral("lumivane") && !programme.endsWith(QStringLiteral("/lumivane")))
        return false;
    *tiret = m.capturedLength(1) ? depuis + m.capturedStart(1) : -1;
    return true;
}

// Our entry in the list, the running one before a disabled one. An entry starts at the list's
// value and after each `\n` of it; a line continued without one goes on with the same entry.
NotreEntree chercherLumivane(const QList<QByteArray>& lignes, qsizetype debut, qsizetype fin) {
    NotreEntree trouvee;
    bool enDebut = true;
    for (qsizetype i = debut; i <= fin; ++i) {
        const QByteArray& ligne = lignes[i];
        qsizetype depuis = i == debut ? ligne.indexOf(':') + 1 : 0;
        for (;;) {
            const qsizetype finEntree = ligne.indexOf("\\n", depuis);
            qsizetype tiret = -1;
            if (enDebut && entreeLumivane(ligne.mid(0, finEntree < 0 ? ligne.size() : finEntree),
                                          depuis, &tiret)) {
                if (tiret < 0)
                    return {i, -1};
                if (trouvee.ligne < 0)
                    trouvee = {i, tiret};
            }
            if (finEntree < 0)
                break;
            depuis = finEntree + 2;
            enDebut = true;
        }
        // Only blanks and the continuing backslash after the last `\n`: the next line starts an
        // entry; anything else goes on.
        QByteArray reste = ligne.mid(depuis).trimmed();
        if (reste.endsWith('\\'))
            reste.chop(1);
        enDebut = reste.trimmed().isEmpty();
    }
    return trouvee;
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
    const qsizetype fin = finListe(lignes, debut);
    const NotreEntree notre = chercherLumivane(lignes, debut, fin);
    if (notre.ligne >= 0) {
        // Disabled by the user in the host's dialog: asking to add it enables it again.
        if (notre.tiret >= 0)
            lignes[notre.ligne].remove(notre.tiret, 1);
        return lignes.join('\n');
    }
    if (fin == debut && !lignes[debut].trimmed().endsWith('\\')) {
        // A list on one line, or empty: it becomes a continued list, ours first, so that our
        // entry's continuation never runs into the next setting.
        const qsizetype deuxPoints = lignes[debut].indexOf(':') + 1;
        const QByteArray valeur = lignes[debut].mid(deuxPoints).trimmed();
        const QByteArray tete = lignes[debut].left(deuxPoints) + "\t\t\\";
        if (valeur.isEmpty()) {
            lignes[debut] = ligneLumivane.chopped(1);
        } else {
            lignes[debut] = "\t\t" + valeur;
            lignes.insert(debut, ligneLumivane);
        }
        lignes.insert(debut, tete);
        return lignes.join('\n');
    }
    lignes.insert(debut + 1, ligneLumivane);
    return lignes.join('\n');
}

int ajouterXScreenSaver() {
    const QString chemin = QDir::home().filePath(QStringLiteral(".xscreensaver"));
    const QFileInfo infos(chemin);
    if (infos.exists() && !isRegularFile(infos)) {
        printLine(
            QStringLiteral("lumivane : %1 n'est pas un fichier ordinaire ; il reste tel quel.")
                .arg(chemin),
            stderr);
        return 1;
    }
    QFile actuel(chemin);
    const QByteArray fichier = actuel.open(QIODevice::ReadOnly) ? actuel.readAll() : QByteArray();
    QByteArray defauts;
    for (const char* d :
         {"/etc/X11/app-defaults/XScreenSaver", "/usr/share/X11/app-defaults/XScreenSaver"}) {
        QFile f(QString::fromLatin1(d));
        if (isRegularFile(QFileInfo(f)) && f.open(QIODevice::ReadOnly)) {
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
    const QString erreur = writeWholeFile(chemin, nouveau);
    if (!erreur.isEmpty()) {
        printLine(QStringLiteral("lumivane : impossible d'écrire %1 (%2) ; il reste tel quel.")
                      .arg(chemin, erreur),
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
