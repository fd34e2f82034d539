#include "saver/tirage.h"

#include "platform/randomsource.h"

#include <QCryptographicHash>
#include <algorithm>
#include <random>

namespace {

// An index below `n` from one draw of the engine, without the bias of a modulo.
int indexSous(std::mt19937& moteur, int n) {
    return int((quint64(moteur()) * quint64(n)) >> 32);
}

} // namespace

Tirage::Tirage(int n, QByteArray album, RandomSource& hasard, const std::optional<Etat>& repris)
    : m_hasard(hasard) {
    m_etat.album = std::move(album);
    m_etat.nombre = std::max(n, 0);
    if (repris && repris->album == m_etat.album && repris->nombre == m_etat.nombre &&
        repris->montrees >= 0 && repris->montrees <= m_etat.nombre) {
        tirer(repris->graine, repris->eviter);
        m_etat.montrees = repris->montrees;
    } else {
        // Nothing shown of a round not drawn yet: the first prochaine() draws one.
        m_etat.montrees = m_etat.nombre;
    }
}

void Tirage::tirer(quint32 graine, int eviter) {
    const int n = m_etat.nombre;
    m_etat.graine = graine;
    m_etat.eviter = eviter;
    m_etat.montrees = 0;
    m_ordre.resize(std::size_t(n));
    for (int i = 0; i < n; ++i)
        m_ordre[std::size_t(i)] = qint16(i + 1);
    std::mt19937 moteur(graine);
    for (int i = n - 1; i > 0; --i)
        std::swap(m_ordre[std::size_t(i)], m_ordre[std::size_t(indexSous(moteur, i + 1))]);
    if (n >= 2 && m_ordre.front() == eviter)
        std::swap(m_ordre.front(), m_ordre[std::size_t(1 + indexSous(moteur, n - 1))]);
}

qint16 Tirage::prochaine() {
    if (m_etat.nombre == 0)
        return 1;
    if (m_etat.montrees >= m_etat.nombre || m_ordre.empty()) {
        const int derniere = m_ordre.empty() ? 0 : m_ordre.back();
        // Two draws of 16 bits: a single-precision draw carries only 24.
        const auto seize = [this] { return quint32(m_hasard.next() * 65536.0f) & 0xFFFFu; };
        const quint32 haut = seize();
        tirer(haut << 16 | seize(), derniere);
    }
    return m_ordre[std::size_t(m_etat.montrees)];
}

void Tirage::montree() {
    if (m_etat.montrees < m_etat.nombre && !m_ordre.empty())
        ++m_etat.montrees;
}

QByteArray Tirage::empreinte(const QStringList& liste) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const QString& chemin : liste) {
        h.addData(chemin.toUtf8());
        h.addData(QByteArrayView("\n"));
    }
    return h.result().toHex();
}
