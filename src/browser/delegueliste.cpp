#include "browser/delegueliste.h"

#include "browser/modeleliste.h"

#include <QApplication>
#include <QStyle>

void DelegueListe::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QString suffixe = index.data(ModeleListe::SuffixeRole).toString();
    if (suffixe.isEmpty() || !option->rect.isValid())
        return;
    const QStyle* style = option->widget ? option->widget->style() : QApplication::style();
    // The margins the style keeps on both sides of an item's text.
    const int marge =
        (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1) * 2;
    const int place = option->rect.width() - marge - option->fontMetrics.horizontalAdvance(suffixe);
    option->text = option->fontMetrics.elidedText(index.data(ModeleListe::CheminRole).toString(),
                                                  option->textElideMode, std::max(0, place)) +
                   suffixe;
}
