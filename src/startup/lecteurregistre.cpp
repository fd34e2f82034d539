#include "startup/lecteurregistre.h"

namespace {
const QString Malforme = QStringLiteral("@");
constexpr std::uint32_t TailleTampon = 255;
} // namespace

RegistryBackend::Handle LecteurRegistre::CleRacine(const QString& nom) {
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

void LecteurRegistre::SeparerCle(QString& chemin) {
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

std::optional<QString> LecteurRegistre::LireRegistre(QString& chemin, const QString& nom) {
    SeparerCle(chemin);
    if (chemin == Malforme) {
        m_cleInvalide = true;
        return std::nullopt;
    }
    if (m_racine == 0)
        return std::nullopt;
    RegistryBackend& registre = m_registre;
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

QString LecteurRegistre::DossierProgrammes() {
    m_cleInvalide = false;
    QString chemin =
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion");
    const std::optional<QString> v = LireRegistre(chemin, QStringLiteral("ProgramFilesDir"));
    if (m_cleInvalide)
        return QStringLiteral("C:\\TEMP");
    if (!v)
        return QString();
    const qsizetype zero = v->indexOf(QChar(0));
    return zero < 0 ? *v : v->left(zero);
}
