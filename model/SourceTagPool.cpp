#include "model/SourceTagPool.h"

#include <algorithm>
#include <utility>

std::shared_ptr<SourceTag> SourceTagPool::make(const SourceTag& tag) {
    return make(SourceTag(tag));
}

std::shared_ptr<SourceTag> SourceTagPool::make(SourceTag&& tag) {
    if (m_used == m_size) {
        m_size = std::clamp(2 * m_size, kFirstBlock, kMaxBlock);
        m_block = std::make_shared<SourceTag[]>(m_size);
        m_used = 0;
    }
    SourceTag& slot = m_block[m_used++];
    slot = std::move(tag);
    // Owned with the block, pointing at its own tag.
    return std::shared_ptr<SourceTag>(m_block, &slot);
}
