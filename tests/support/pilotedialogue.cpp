#include "pilotedialogue.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace PiloteDialogue {

namespace {
bool g_echec = false;
}

void quandOuvert(std::function<void(QFileDialog&)> action) {
    auto* minuteur = new QTimer;
    minuteur->setInterval(10);
    QObject::connect(minuteur, &QTimer::timeout, minuteur, [minuteur, action] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible())
            return;
        minuteur->stop();
        minuteur->deleteLater();
        action(*d);
    });
    minuteur->start();
}

void taper(QFileDialog& d, const QString& texte) {
    if (auto* edit = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        QApplication::setActiveWindow(&d);
        edit->setFocus();
        QTest::keyClicks(edit, texte);
    }
}

void valider(QFileDialog& d) {
    if (auto* boutons = d.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
        for (QAbstractButton* b : boutons->buttons())
            if (boutons->buttonRole(b) == QDialogButtonBox::AcceptRole && b->isEnabled()) {
                b->click();
                return;
            }
    g_echec = true;
    d.reject();
}

bool echec() {
    return g_echec;
}

void oublierEchec() {
    g_echec = false;
}

} // namespace PiloteDialogue
