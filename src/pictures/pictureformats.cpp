#include "pictures/pictureformats.h"

const QStringList& PictureFormats::suffixes() {
    static const QStringList s = {
        QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("gif"),
        QStringLiteral("bmp"),  QStringLiteral("png"),  QStringLiteral("webp"),
        QStringLiteral("tif"),  QStringLiteral("tiff"), QStringLiteral("heic"),
        QStringLiteral("heif"), QStringLiteral("avif")};
    return s;
}

bool PictureFormats::isPictureName(const QString& fileName) {
    const qsizetype point = fileName.lastIndexOf(u'.');
    if (point <= 0)
        return false;
    const QStringView suffix = QStringView(fileName).sliced(point + 1);
    for (const QString& s : suffixes())
        if (suffix.compare(s, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString PictureFormats::filterPatterns() {
    QStringList patterns;
    for (const QString& s : suffixes())
        patterns << QStringLiteral("*.") + s;
    return patterns.join(u';');
}
