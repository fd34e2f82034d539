#include "controls/imagelist.h"

QImage ImageList::picture(int k) const {
    if (k < 1 || k > count())
        return {};
    return m_pictures[k - 1];
}
