#include "platform/largebuffers.h"

#include <cstdlib>
#include <mutex>
#include <utility>

namespace {

// Below this, the C library's own heap reuses freed memory anyway.
constexpr qsizetype SmallestKept = 4 * 1024 * 1024;

struct Block {
    void* data = nullptr;
    size_t bytes = 0;
};

class Recycler {
public:
    // A block of `bytes`, the kept one when there is one; null when memory is short.
    Block take(size_t bytes, bool& fresh) {
        Block kept;
        {
            const std::lock_guard lock(m_mutex);
            ++m_alive;
            kept = std::exchange(m_kept, Block());
        }
        // Resizing a block the system mapped for it keeps the pages it already has.
        fresh = kept.data == nullptr;
        void* data = fresh ? std::malloc(bytes) : std::realloc(kept.data, bytes);
        if (data == nullptr) {
            std::free(kept.data);
            give(Block());
            return {};
        }
        return {data, bytes};
    }

    void give(Block block) {
        {
            const std::lock_guard lock(m_mutex);
            --m_alive;
            if (block.data != nullptr && m_alive <= 1 && m_kept.data == nullptr) {
                m_kept = block;
                return;
            }
        }
        std::free(block.data);
    }

private:
    std::mutex m_mutex;
    Block m_kept;
    int m_alive = 0;
};

// Never destroyed: a picture may outlive the program's static objects.
Recycler& recycler() {
    static auto* r = new Recycler;
    return *r;
}

void release(void* info) {
    auto* block = static_cast<Block*>(info);
    recycler().give(*block);
    delete block;
}

} // namespace

QImage recyclableImage(const QSize& size) {
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    const qsizetype bytes = rowBytes * size.height();
    if (size.isEmpty() || bytes < SmallestKept)
        return QImage(size, QImage::Format_RGB32);
    bool fresh = false;
    const Block block = recycler().take(size_t(bytes), fresh);
    if (block.data == nullptr)
        return {};
    QImage image(static_cast<uchar*>(block.data), size.width(), size.height(), rowBytes,
                 QImage::Format_RGB32, release, new Block(block));
    if (fresh)
        preferLargePages(image);
    return image;
}
