#include "startup/lignecommande.h"

#include <QRegularExpression>
#include <QStringList>

QString modeDe(const QString& ligneCommande) {
    return ligneCommande.trimmed().toUpper().left(2).trimmed();
}

std::optional<quintptr> fenetreApercu(const QString& ligneCommande) {
    // Like a numeric conversion of the text from the 4th character: blanks skipped, then the
    // longest number that starts there.
    const QString reste = ligneCommande.mid(3).trimmed();
    bool ok = false;
    quintptr valeur = 0;
    if (reste.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        qsizetype fin = 2;
        while (fin < reste.size() && isxdigit(reste[fin].toLatin1()))
            ++fin;
        valeur = reste.mid(2, fin - 2).toULongLong(&ok, 16);
    } else {
        qsizetype fin = 0;
        while (fin < reste.size() && reste[fin].isDigit() && reste[fin].unicode() < 128)
            ++fin;
        valeur = reste.left(fin).toULongLong(&ok, 10);
    }
    if (!ok || valeur == 0)
        return std::nullopt;
    return valeur;
}

std::optional<quintptr> identifiantFenetre(const QString& texte) {
    const QString t = texte.trimmed();
    bool ok = false;
    quintptr id = 0;
    if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        id = t.mid(2).toULongLong(&ok, 16);
    else
        id = t.toULongLong(&ok, 10); // never octal: a leading 0 is still decimal
    if (!ok || id == 0)
        return std::nullopt;
    return id;
}

std::optional<quintptr> fenetreHoteX11(const QString& ligneCommande, const QString& variable) {
    QStringList mots =
        ligneCommande.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    // Newer hosts rewrite their options to the double-dash form ("--root", "--window-id").
    for (QString& mot : mots)
        if (mot.startsWith(QStringLiteral("--")))
            mot.remove(0, 1);
    const qsizetype i = mots.indexOf(QStringLiteral("-window-id"));
    if (i >= 0)
        return i + 1 < mots.size() ? identifiantFenetre(mots[i + 1]) : std::nullopt;
    // Hosts set the variable and pass -root; the variable names the window actually shown.
    if (mots.isEmpty() || mots.contains(QStringLiteral("-root"))) {
        if (!variable.trimmed().isEmpty())
            return identifiantFenetre(variable);
        if (mots.contains(QStringLiteral("-root")))
            return quintptr(0);
    }
    return std::nullopt;
}
