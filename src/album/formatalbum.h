#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The album file: one line per photo, "0000 " then the path, each line ended by CR LF, in the
// Western European code page; an album without photos is an empty file. A folder of the album
// is a line like a photo's whose path ends with the separator ("0003 /home/anne/Vacances/"): a
// file without folders is what it always was. Plain functions over bytes: opening and saving
// files is elsewhere.

// One line as the readers take it apart: its own number and its path.
struct LigneAlbum {
    int numero = 0;
    QString chemin;
    friend bool operator==(const LigneAlbum&, const LigneAlbum&) = default;
};

// The four-digit number field of a line holds 0000 to 9999.
inline constexpr qsizetype MaxPhotosFichierAlbum = 10000;

// Every line of `contenu` whose first four characters are a number (blanks around the digits
// allowed), in file order, with the rest of the line, blanks at both ends removed, as its path.
// A line ends at CR (an LF right after it belongs to the line end); a lone LF does not end a
// line. Other lines are skipped. Contents starting with the UTF-8 byte-order mark are read as
// UTF-8, all others in the code page. Reading stops after MaxPhotosFichierAlbum lines, the most
// a file can number; `tronque`, when given, tells whether a valid line was left unread.
QList<LigneAlbum> lireLignesAlbum(const QByteArray& contenu, bool* tronque = nullptr);

// Why `photos` cannot be written as an album file that reads back the same, as the message shown
// to the user; empty when it can: more photos than the number field holds, or a path holding a
// CR, which would end its line.
QString refusAlbum(const QStringList& photos);

// The file contents for `photos`, numbered from 0000: in the code page when every path fits in it,
// else UTF-8 behind a byte-order mark, so that no character is changed or lost. Nothing when
// refusAlbum() refuses the list.
std::optional<QByteArray> ecrireLignesAlbum(const QStringList& photos);

// Blanks (only the space character) removed at both ends, as the album rules want it: tabs and
// other white space belong to the text.
QString sansBlancs(const QString& texte);
