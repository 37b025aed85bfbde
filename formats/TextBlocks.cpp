#include "formats/TextBlocks.h"

#include <cstring>
#include <utility>

QByteArray TextBlocks::copy(QByteArrayView text) {
    if (text.isEmpty() || text.size() > kMaxShared)
        return text.toByteArray();
    const qsizetype size = text.size();
    if (!m_bytes || m_used + size + 1 > kBlockSize) {
        m_block = QByteArray(kBlockSize, Qt::Uninitialized);
        m_bytes = m_block.data(); // never asked again: the block is shared from here on
        m_used = 0;
    }
    char* const at = m_bytes + m_used;
    std::memcpy(at, text.data(), std::size_t(size));
    at[size] = '\0';
    m_used += size + 1;
    // A text that holds the block with the others, over its own bytes. A
    // QByteArray may start anywhere inside its allocation (as one whose
    // front was removed does); while the block is shared, a change detaches
    // the text first, and once it is the last holder, growth in place only
    // overwrites bytes of texts already gone.
    QByteArray::DataPointer shared = m_block.data_ptr();
    shared.ptr = at;
    shared.size = size;
    return QByteArray(std::move(shared));
}
