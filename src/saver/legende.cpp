#include "saver/legende.h"

#include <QFileInfo>
#include <QLocale>

namespace Legende {

QString dateEnFrancais(const QDate& date) {
    if (!date.isValid())
        return {};
    const QLocale francais(QLocale::French, QLocale::France);
    const QString jour = date.day() == 1 ? QStringLiteral("1er") : QString::number(date.day());
    return jour + u' ' + francais.toString(date, QStringLiteral("MMMM yyyy"));
}

QString texte(Genre genre, const QString& chemin, const QDateTime& prise) {
    switch (genre) {
    case Genre::NomFichier:
        return QFileInfo(chemin).fileName();
    case Genre::Date:
        return dateEnFrancais(prise.isValid() ? prise.date()
                                              : QFileInfo(chemin).lastModified().date());
    case Genre::Chemin:
        break;
    }
    return chemin;
}

} // namespace Legende
