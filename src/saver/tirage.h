#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

class RandomSource;

// The order in which one show's photos come: every photo of the album once per round, in a
// random order, and a new round never begins with the photo that ended the previous one, so
// that no photo comes twice in a row. A round is drawn from a seed, so that where it stands
// fits in a few numbers (`Etat`) and can be taken up again by the next show.
class Tirage {
public:
    // Where a round stands: the album it was drawn for, its seed, the photo it had to avoid at
    // its start, and how many of its photos have been shown.
    struct Etat {
        QByteArray album;
        int nombre = 0;
        quint32 graine = 0;
        int eviter = 0;
        int montrees = 0;
        bool operator==(const Etat&) const = default;
    };

    // A round over `n` photos; `repris` is taken up when it was drawn for the same album, and a
    // new round is drawn otherwise.
    Tirage(int n, QByteArray album, RandomSource& hasard, const std::optional<Etat>& repris = {});

    // The 1-based position of the next photo, without moving on; the next round is drawn when
    // this one is over. 1 for an empty album.
    qint16 prochaine();
    // The photo prochaine() named is on screen.
    void montree();

    Etat etat() const { return m_etat; }

    // What tells one album from another: its paths, in their order.
    static QByteArray empreinte(const QStringList& liste);

private:
    void tirer(quint32 graine, int eviter);

    RandomSource& m_hasard;
    Etat m_etat;
    std::vector<qint16> m_ordre;
};
