#pragma once

#include "model/SourceTag.h"

#include <cstddef>
#include <memory>

// Keeps the page tags of a map's areas (model/SourceTag.h) in blocks of
// many, each tag handed out as its own shared pointer into its block: a map
// of 10,000 areas then asks for a few dozen blocks of memory rather than
// one for each tag, and frees them so. A block lives while any of its tags
// is held (by an area, an undo step or a copy); its tags share one page text
// anyway.
class SourceTagPool {
public:
    std::shared_ptr<SourceTag> make(const SourceTag& tag);
    // The same, taking tag's texts over.
    std::shared_ptr<SourceTag> make(SourceTag&& tag);

private:
    // Blocks grow from a few tags to kMaxBlock, so that a small map holds
    // little room it does not use.
    static constexpr std::size_t kFirstBlock = 16;
    static constexpr std::size_t kMaxBlock = 1024;

    std::shared_ptr<SourceTag[]> m_block;
    std::size_t m_used = 0;
    std::size_t m_size = 0;
};
