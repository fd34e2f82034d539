#include "browser/modeleliste.h"

#include "album/contenudossiers.h"
#include "album/textesalbum.h"

ModeleListe::ModeleListe(const ContenuDossiers& dossiers, QObject* parent)
    : QAbstractListModel(parent), m_dossiers(dossiers) {
    connect(&dossiers, &ContenuDossiers::dossierLu, this, &ModeleListe::dossierLu);
}

void ModeleListe::remplir(const QStringList& entrees) {
    beginResetModel();
    m_entrees = entrees;
    endResetModel();
}

int ModeleListe::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entrees.size());
}

QString ModeleListe::suffixe(int row) const {
    const QString& entree = m_entrees[row];
    if (!estDossier(entree))
        return {};
    const Balayage* b = m_dossiers.contenu(entree);
    return QStringLiteral(" ") +
           (b ? TextesAlbum::nombrePhotos(b->photos.size()) : TextesAlbum::RechercheEnCours);
}

QVariant ModeleListe::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entrees.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_entrees[index.row()] + suffixe(index.row());
    case CheminRole:
        return m_entrees[index.row()];
    case SuffixeRole:
        return suffixe(index.row());
    default:
        return {};
    }
}

void ModeleListe::dossierLu(const QString& dossier) {
    for (int i = 0; i < m_entrees.size(); ++i)
        if (m_entrees[i] == dossier)
            emit dataChanged(index(i), index(i), {Qt::DisplayRole, SuffixeRole});
}
