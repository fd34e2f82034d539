#pragma once

// What the dialog's album tests share: photos of three shapes and formats with an album folder,
// the user's next answers and picks, and the check that the list box, the album and the settings
// store agree.

#include "bancform2.h"

#include <QMap>
#include <QTemporaryDir>

// Separates the folder from the names in a multiple pick, as the file dialog returns it.
inline const QChar Nul(0);

// An album file's lines for `chemins`, numbered from 0.
QByteArray lignesAlbum(const QStringList& chemins);

// The answers the user gives next, and the files the user picks next.
void repondre(BancForm2& b, const QList<bool>& reponses);
void choisir(BancForm2& b, const QStringList& fichiers);

// The list box shows the album's list and the settings store mirrors it.
void verifierListe(const BancForm2& b, const QStringList& attendue);

// photos "large", "haute" and "petite", things that are no picture ("absente", "texte",
// "dossier", "fifo"), an album folder, and names for them in test data.
class Atelier {
public:
    Atelier();
    // The path of a name; any other text stands for itself.
    QString operator[](const QString& nom) const { return m_chemins.value(nom, nom); }
    QStringList chemins(const QStringList& noms) const;
    QString dossier() const;
    QString albums() const;
    // A remembered album file of these photos, reopened at the next start.
    void retenir(SettingsStore& s, const QString& titre, const QStringList& noms) const;

private:
    QTemporaryDir m_dir;
    QMap<QString, QString> m_chemins;
};
