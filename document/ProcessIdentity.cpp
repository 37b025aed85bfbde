#include "document/ProcessIdentity.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <cerrno>
#include <csignal>
#include <limits>
#include <unistd.h>

namespace ProcessIdentity {

qint64 currentPid() {
    return qint64(::getpid());
}

qint64 startTime(qint64 pid) {
    if (pid <= 0)
        return 0;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.read(4096);
    // The command name in parentheses may hold spaces and parentheses: the
    // fields are counted after the last ")"; the start time is field 22.
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    // A process that ended but was not yet waited for (state Z) runs no more.
    if (fields.isEmpty() || fields[0] == "Z" || fields[0] == "X")
        return 0;
    constexpr int kStartField = 22 - 3; // fields 1 and 2 come before ")"
    return fields.size() > kStartField ? fields[kStartField].toLongLong() : 0;
}

bool isRunning(qint64 pid, qint64 start) {
    if (pid <= 0 || pid > qint64(std::numeric_limits<pid_t>::max()))
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    const qint64 now = startTime(pid);
    if (now == 0)
        // Without /proc a live process of the id counts; with it, the
        // process has ended (or is ending).
        return !QFile::exists(QStringLiteral("/proc/self/stat"));
    return start == 0 || now == start;
}

} // namespace ProcessIdentity
