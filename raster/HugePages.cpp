#include "raster/HugePages.h"

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

void adviseHugePages(void* data, qint64 size) {
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    constexpr quintptr kHuge = quintptr(2) << 20;
    if (!data || size < qint64(4 * kHuge))
        return;
    const quintptr begin = (quintptr(data) + kHuge - 1) & ~(kHuge - 1);
    const quintptr end = (quintptr(data) + quintptr(size)) & ~(kHuge - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}
