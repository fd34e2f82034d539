#pragma once

#include <QDateTime>
#include <QString>

// What a photo's title says ("Param", "Legende"): its full path, its file name, or the day it
// was taken, in French.
namespace Legende {

enum class Genre { Chemin = 0, NomFichier = 1, Date = 2 };
constexpr int NombreGenres = 3;

// "12 juillet 2024"; the first of the month is "1er juillet 2024".
QString dateEnFrancais(const QDate& date);

// The title of the photo `chemin`. For the date, `prise` is when the photo was taken (invalid
// when its file does not say): the file's own date stands in then, and nothing when there is no
// file.
QString texte(Genre genre, const QString& chemin, const QDateTime& prise);

} // namespace Legende
