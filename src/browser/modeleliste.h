#pragma once

#include <QAbstractListModel>
#include <QStringList>

class ContenuDossiers;

// The album's entries as the list box ListeS shows them: one row per entry, in album order, its
// path as the text; a folder's row adds the number of photos it holds. Rows are all of one
// height and made only when painted, so that an album of 32,767 entries costs what an empty one
// does.
class ModeleListe : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry's path without the count: what a folder's row elides before its count.
    static constexpr int CheminRole = Qt::UserRole;
    static constexpr int SuffixeRole = Qt::UserRole + 1;

    ModeleListe(const ContenuDossiers& dossiers, QObject* parent = nullptr);

    void remplir(const QStringList& entrees);
    const QStringList& entrees() const { return m_entrees; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void dossierLu(const QString& dossier);
    QString suffixe(int row) const;

    const ContenuDossiers& m_dossiers;
    QStringList m_entrees;
};
