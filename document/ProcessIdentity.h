#pragma once

#include <QtGlobal>

// Which process wrote a recovery copy: its id and its start time, so that a
// copy of an editor that ended is not taken for one of a later process that
// was given the same id.
namespace ProcessIdentity {

qint64 currentPid();
// The start time of process pid in the system's own units (clock ticks
// since boot), or 0 when no such process runs or the system does not say.
qint64 startTime(qint64 pid);
// Whether the process that wrote a copy with this owner still runs.
bool isRunning(qint64 pid, qint64 start);

} // namespace ProcessIdentity
