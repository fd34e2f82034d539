#pragma once

#include <QStyledItemDelegate>

// Rows of ListeS drawn as a list box draws them, a long path cut at its end; a folder's row
// keeps its count in view and cuts only its path.
class DelegueListe : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
