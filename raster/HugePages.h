#pragma once

#include <QtGlobal>

// Asks the system to back a large buffer with huge pages where it offers
// them on request (Linux transparent huge pages in "madvise" mode). A
// decoded picture is written once, front to back, into fresh memory: with
// 4 KiB pages every page costs a fault, and those faults can cost more than
// the decoding itself. Buffers under 8 MiB, and systems without the
// facility, are left as they are; the advice never changes the contents.
void adviseHugePages(void* data, qint64 size);
