#include "pictures/decodeplan.h"

#include <algorithm>

namespace {

// Counted up to 2^40, far past any bound: a header may claim 2^31 - 1 by 2^31 - 1 pixels, and
// the sums of a plan's buffers must not overflow.
qint64 pixels(const QSize& s) {
    return std::min(qint64(s.width()) * s.height(), qint64(1) << 40);
}

// Row buffers of the decoders (a few rows of the stored width, in several forms).
qint64 rowBuffers(const QSize& stored) {
    return qint64(stored.width()) * 64;
}

DecodePlan within(DecodePlan plan, qint64 bound) {
    plan.refused = plan.bytes > bound;
    return plan;
}

// The JPEG decoder reduces by 2, 4 or 8 only, to the smallest reduction at least as large as
// asked, and the reader scales the rest into a second image. A larger reduction, asked for
// exactly, is taken when that is what keeps the decode within the bound.
DecodePlan jpeg(const PictureHeader& h, const QSize& stored, const QSize& target, bool transformed,
                qint64 bound) {
    const auto reduced = [&](int d) {
        return QSize((stored.width() + d - 1) / d, (stored.height() + d - 1) / d);
    };
    int d = 1;
    while (d < 8 && stored.width() / (2 * d) >= target.width() &&
           stored.height() / (2 * d) >= target.height())
        d *= 2;
    const qint64 fixed = (h.fullBuffer ? h.coefficients : 0) + rowBuffers(stored);
    DecodePlan plan;
    for (bool first = true; d <= 8; d *= 2, first = false) {
        const QSize asked =
            first ? target : QSize(stored.width() / d, stored.height() / d).expandedTo({1, 1});
        plan.scaled = asked != stored;
        plan.asked = asked;
        plan.bytes = fixed + pixels(reduced(d)) * 4 +
                     (asked != reduced(d) ? pixels(asked) * 4 : 0) +
                     (transformed ? pixels(asked) * 4 : 0);
        if (plan.bytes <= bound)
            break;
    }
    return within(plan, bound);
}

// A non-interlaced PNG is scaled row by row as it is read; an interlaced one is decoded whole
// first, whatever size is asked.
DecodePlan png(const PictureHeader& h, const QSize& stored, const QSize& target, bool transformed,
               qint64 bound) {
    const int depth = h.bitDepth > 8 ? 8 : 4;
    DecodePlan plan;
    plan.scaled = target != stored;
    plan.asked = target;
    plan.bytes = pixels(target) * depth * (transformed ? 2 : 1) + rowBuffers(stored);
    if (h.interlaced && plan.scaled)
        plan.bytes += pixels(stored) * depth;
    return within(plan, bound);
}

// Any other reader decodes the picture whole, and may keep a second frame of it (an animation's
// backing store, a conversion); it is scaled afterwards.
DecodePlan planned(const PictureHeader& header, const QSize& stored, const QSize& target,
                   bool readerScales, bool transformed, qint64 bound) {
    if (readerScales && header.kind == PictureHeader::Kind::Jpeg)
        return jpeg(header, stored, target, transformed, bound);
    if (readerScales && header.kind == PictureHeader::Kind::Png)
        return png(header, stored, target, transformed, bound);
    DecodePlan plan;
    plan.asked = target;
    plan.bytes = 2 * pixels(stored) * 4 + (target != stored ? pixels(target) * 4 : 0) +
                 (transformed ? pixels(target) * 4 : 0);
    return within(plan, bound);
}

} // namespace

// A PNG reader keeps each text its library inflated, its own UTF-16 copy of it, and while it
// joins the texts of one key, the copy it grows from: measured, a little over five bytes held
// for each byte of text (40 MB of text, 208 MB besides the pixels), six counted. The profile and
// EXIF data cost less, and are rarely more than a few hundred kilobytes: they are counted alike.
qint64 DecodePlan::besidePixels(const PictureHeader& header) {
    return header.metadata * 6;
}

DecodePlan DecodePlan::make(const PictureHeader& header, const QSize& stored, const QSize& target,
                            bool readerScales, bool transformed, qint64 bound) {
    if (!stored.isValid() || !target.isValid() || !header.complete)
        return {};
    // Held whatever size the reader is asked for: the pixels have the rest of the bound.
    const qint64 beside = besidePixels(header);
    DecodePlan plan = planned(header, stored, target, readerScales, transformed, bound - beside);
    plan.bytes += beside;
    return plan;
}

DecodePlan DecodePlan::heif(const HeifPictures::Header& header, const QSize& target, qint64 bound) {
    const qint64 stored = pixels(header.size);
    const qint64 planes = stored * header.planeBytes;
    const bool whole = target == header.size;
    DecodePlan plan;
    plan.scaled = !whole;
    plan.asked = target;
    // The decoder's own frame and libheif's copy of it (or, turned, the copy and the turned one),
    // then beside one of them the result.
    plan.bytes = std::max(2 * planes + std::max(planes, stored * 4),
                          stored * 4 + (whole ? stored : pixels(target)) * 4);
    return within(plan, bound);
}
