#include "startup/module1.h"

#include "platform/services.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {
const QString Malforme = QStringLiteral("@");
constexpr std::uint32_t TailleTampon = 255;
} // namespace

Module1::Module1(Services& s) : services(s), FinProgramme([] { QCoreApplication::exit(0); }) {}

RegistryBackend::Handle Module1::CleRacine(const QString& nom) {
    static const QString noms[] = {
        QStringLiteral("HKEY_CLASSES_ROOT"),     QStringLiteral("HKEY_CURRENT_USER"),
        QStringLiteral("HKEY_LOCAL_MACHINE"),    QStringLiteral("HKEY_USERS"),
        QStringLiteral("HKEY_PERFORMANCE_DATA"), QStringLiteral("HKEY_CURRENT_CONFIG"),
        QStringLiteral("HKEY_DYN_DATA"),
    };
    for (std::uint32_t i = 0; i < std::size(noms); ++i)
        if (nom == noms[i])
            return 0x80000000u + i;
    return 0;
}

void Module1::SeparerCle(QString& chemin) {
    const qsizetype p = chemin.indexOf(u'\\');
    if (!chemin.startsWith(QStringLiteral("HKEY_")) || chemin.endsWith(u'\\')) {
        chemin = Malforme;
        return;
    }
    if (p < 0) {
        m_racine = CleRacine(chemin);
        chemin.clear();
    } else {
        m_racine = CleRacine(chemin.left(p));
        chemin = chemin.mid(p + 1);
    }
}

std::optional<QString> Module1::LireRegistre(QString& chemin, const QString& nom) {
    SeparerCle(chemin);
    if (chemin == Malforme) {
        CleInvalide = true;
        return std::nullopt;
    }
    if (m_racine == 0)
        return std::nullopt;
    RegistryBackend& registre = services.registry;
    RegistryBackend::Handle cle = 0;
    if (registre.openKey(m_racine, chemin.toLocal8Bit(), &cle) != RegistryBackend::Success)
        return QStringLiteral("Error");
    QByteArray tampon(TailleTampon, ' ');
    std::uint32_t longueur = TailleTampon;
    const long etat = registre.queryString(cle, nom.toLocal8Bit(), tampon, longueur);
    registre.closeKey(cle);
    if (etat != RegistryBackend::Success)
        return QStringLiteral("Error");
    // The value ends with its zero, then the blanks left of the buffer: trim, drop the zero.
    QString texte = QString::fromLocal8Bit(tampon);
    while (texte.startsWith(u' '))
        texte.remove(0, 1);
    while (texte.endsWith(u' '))
        texte.chop(1);
    texte.chop(1);
    return texte;
}

QString Module1::DossierProgrammes() {
    CleInvalide = false;
    QString chemin =
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion");
    const std::optional<QString> v = LireRegistre(chemin, QStringLiteral("ProgramFilesDir"));
    if (CleInvalide)
        return QStringLiteral("C:\\TEMP");
    if (!v)
        return QString();
    const qsizetype zero = v->indexOf(QChar(0));
    return zero < 0 ? *v : v->left(zero);
}

void Module1::AfficherCurseur() {
    // An override cursor is the only way a Qt program hides the pointer; undo any.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

QString Module1::ModeDe(const QString& ligneCommande) {
    return ligneCommande.trimmed().toUpper().left(2).trimmed();
}

std::optional<quintptr> Module1::FenetreApercu(const QString& ligneCommande) {
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
