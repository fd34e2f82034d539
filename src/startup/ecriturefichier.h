#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `chemin` with `contenu`, whole or not at all: a write cut short (a full
// disk, a size limit) leaves the old file as it was. Empty on success, else the reason.
QString ecrireFichierEntier(const QString& chemin, const QByteArray& contenu);
