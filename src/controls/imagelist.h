#pragma once

#include <QImage>
#include <QList>

// An ordered list of pictures numbered from 1. Asking for a number outside 1..count gives the
// empty picture, so a caller that computes a frame number can never read past the list.
class ImageList {
public:
    int count() const { return int(m_pictures.size()); }
    QImage picture(int k) const;
    // The last picture, found through the count.
    QImage last() const { return picture(count()); }
    void add(const QImage& picture) { m_pictures.append(picture); }
    void clear() { m_pictures.clear(); }

private:
    QList<QImage> m_pictures;
};
