#include "atelieralbum.h"

#include "album/miroir.h"
#include "fichiers.h"
#include "samples.h"

#include <sys/stat.h>

QByteArray lignesAlbum(const QStringList& chemins) {
    QByteArray octets;
    for (qsizetype i = 0; i < chemins.size(); ++i)
        octets += QStringLiteral("%1 %2\r\n").arg(i, 4, 10, QChar(u'0')).arg(chemins[i]).toUtf8();
    return octets;
}

void repondre(BancForm2& b, const QList<bool>& reponses) {
    fixer(b.ts.prompts.answers, reponses);
}

void choisir(BancForm2& b, const QStringList& fichiers) {
    fixer(b.ts.files.results, fichiers);
}

void verifierListe(const BancForm2& b, const QStringList& attendue) {
    QCOMPARE(entrees(listeS(*b.form)), attendue);
    QCOMPARE(b.form->etat().album.Liste, attendue);
    QCOMPARE(ChargerPhotos(b.ts.settings), attendue);
    QVERIFY(!listeS(*b.form)->isHidden());
    QVERIFY(vignettesDe(*b.form)->isHidden());
}

Atelier::Atelier() {
    const QStringList faites =
        Samples::writeSet(m_dir.filePath(QStringLiteral("photos")),
                          {{QStringLiteral("large"), QSize(400, 300), Samples::Format::Jpeg},
                           {QStringLiteral("haute"), QSize(150, 200), Samples::Format::Gif},
                           {QStringLiteral("petite"), QSize(100, 80), Samples::Format::Bmp}});
    const QStringList noms = {QStringLiteral("large"), QStringLiteral("haute"),
                              QStringLiteral("petite")};
    for (qsizetype i = 0; i < faites.size(); ++i)
        m_chemins.insert(noms[i], faites[i]);
    m_chemins.insert(QStringLiteral("absente"), dossier() + QStringLiteral("absente.jpg"));
    m_chemins.insert(QStringLiteral("texte"), dossier() + QStringLiteral("notes.jpg"));
    ecrire(m_chemins[QStringLiteral("texte")], "pas une image");
    // Without its separator: a path, not a folder entry of the album.
    m_chemins.insert(QStringLiteral("dossier"), dossier().chopped(1));
    m_chemins.insert(QStringLiteral("fifo"), dossier() + QStringLiteral("attente.jpg"));
    ::mkfifo(QFile::encodeName(m_chemins[QStringLiteral("fifo")]).constData(), 0600);
    QDir().mkpath(albums());
}

QStringList Atelier::chemins(const QStringList& noms) const {
    QStringList v;
    for (const QString& n : noms)
        v << (*this)[n];
    return v;
}

QString Atelier::dossier() const {
    return QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("photos"))) + QDir::separator();
}

QString Atelier::albums() const {
    return QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("albums"))) + QDir::separator();
}

void Atelier::retenir(SettingsStore& s, const QString& titre, const QStringList& noms) const {
    const QString demarrage = QStringLiteral("Demarrage");
    ecrire(albums() + titre + QStringLiteral(".alb"), lignesAlbum(chemins(noms)));
    Samples::writeAlbum(s, chemins(noms));
    s.write(demarrage, QStringLiteral("Album"), titre);
    s.write(demarrage, QStringLiteral("RepertoireOpen"), albums());
}
