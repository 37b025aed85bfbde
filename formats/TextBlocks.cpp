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
    // A text that holds the block with the others, over its own bytes.
    QByteArray::DataPointer shared = m_block.data_ptr();
    shared.ptr = at;
    shared.size = size;
    return QByteArray(std::move(shared));
}
