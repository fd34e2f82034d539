#pragma once

#include <QWidget>

// Panels of the dialog are laid out in the dialog's own coordinates; a panel is the smallest
// rectangle around its controls, so that it paints nothing and hides nothing of its neighbours.
namespace Placement {

// Makes `panneau` the rectangle around its children, which were placed in its parent's
// coordinates, and keeps every child where it stood on the screen.
inline void entourer(QWidget* panneau) {
    QRect tour;
    const QList<QWidget*> enfants = panneau->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* w : enfants)
        if (!w->isWindow())
            tour |= w->geometry();
    panneau->setGeometry(tour);
    for (QWidget* w : enfants)
        if (!w->isWindow())
            w->move(w->pos() - tour.topLeft());
}

} // namespace Placement
