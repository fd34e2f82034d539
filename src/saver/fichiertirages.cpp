#include "saver/fichiertirages.h"

#include "platform/writewholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

namespace FichierTirages {

namespace {

// A few entries of a few numbers each: anything larger is not ours.
constexpr qint64 TailleMax = 64 * 1024;

QJsonObject lireObjet(const QString& chemin) {
    QFile f(chemin);
    if (f.size() > TailleMax || !f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.read(TailleMax)).object();
}

std::optional<int> entier(const QJsonObject& o, const char* nom, double max) {
    const QJsonValue v = o.value(QLatin1String(nom));
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (d < 0 || d > max || d != double(qint64(d)))
        return std::nullopt;
    return int(d);
}

} // namespace

QString dossierEtat(const QString& xdgStateHome, const QString& home) {
    const QString base =
        QDir::isAbsolutePath(xdgStateHome) ? xdgStateHome : home + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/Lumivane"));
}

QString fichier(const QString& dossier) {
    return dossier + QStringLiteral("/tirages.json");
}

std::optional<Tirage::Etat> lire(const QString& chemin, const QString& cle) {
    const QJsonObject o = lireObjet(chemin).value(cle).toObject();
    const QString album = o.value(QLatin1String("album")).toString();
    const auto nombre = entier(o, "nombre", 32767);
    const auto eviter = entier(o, "eviter", 32767);
    const auto montrees = entier(o, "montrees", 32767);
    const QJsonValue graine = o.value(QLatin1String("graine"));
    if (album.isEmpty() || !nombre || !eviter || !montrees || !graine.isDouble() ||
        graine.toDouble() < 0 || graine.toDouble() > 4294967295.0)
        return std::nullopt;
    return Tirage::Etat{album.toLatin1(), *nombre, quint32(graine.toDouble()), *eviter, *montrees};
}

bool ecrire(const QString& chemin, const QString& cle, const Tirage::Etat& etat) {
    const QFileInfo info(chemin);
    if (!info.dir().exists()) {
        if (!QDir().mkpath(info.absolutePath()))
            return false;
        QFile::setPermissions(info.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QLockFile verrou(chemin + QStringLiteral(".lock"));
    if (!verrou.tryLock(500))
        return false;
    QJsonObject tout = lireObjet(chemin);
    tout.insert(cle, QJsonObject{{QStringLiteral("album"), QString::fromLatin1(etat.album)},
                                 {QStringLiteral("nombre"), etat.nombre},
                                 {QStringLiteral("graine"), double(etat.graine)},
                                 {QStringLiteral("eviter"), etat.eviter},
                                 {QStringLiteral("montrees"), etat.montrees}});
    return writeWholeFile(chemin, QJsonDocument(tout).toJson(QJsonDocument::Compact)).isEmpty();
}

} // namespace FichierTirages
