#include "startup/module1.h"

#include "startup/lignecommande.h"

#include <QCoreApplication>
#include <QGuiApplication>

Module1::Module1(QString dossierProgramme, QString variableFenetreHote,
                 std::function<void()> finProgramme)
    : m_dossierProgramme(std::move(dossierProgramme)),
      m_variableFenetreHote(std::move(variableFenetreHote)),
      m_finProgramme(finProgramme ? std::move(finProgramme) : [] { QCoreApplication::exit(0); }) {}

void Module1::lireLigneCommande(const QString& ligneCommande) {
    m_ligneCommande = ligneCommande;
    m_modeCommande = modeDe(ligneCommande);
}

void Module1::AfficherCurseur() {
    // An override cursor is the only way a Qt program hides the pointer; undo any.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
