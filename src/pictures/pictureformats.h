#pragma once

#include <QString>
#include <QStringList>

// The picture formats the program reads, by file name: the file dialogs offer them and a folder
// of the album gives only files of these names, so that nothing else is ever opened.
namespace PictureFormats {

// Lower-case suffixes without the dot, in the order the dialogs list them.
const QStringList& suffixes();
// Whether `fileName` ends with one of them, in any letter case ("IMG_0001.HEIC").
bool isPictureName(const QString& fileName);
// The patterns of the file dialogs' filter: "*.jpg;*.jpeg;...".
QString filterPatterns();

} // namespace PictureFormats
