#include "document/RecoveryStore.h"

#include "document/ProcessIdentity.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString& overriddenFolder() {
    static QString folder;
    return folder;
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

QString RecoveryStore::defaultFolder() {
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

void RecoveryStore::setDefaultFolder(const QString& folder) {
    overriddenFolder() = folder;
}

QString RecoveryStore::filePath(const QString& name) const {
    return m_folder + QLatin1Char('/') + name;
}

QString RecoveryStore::newName() {
    static std::atomic<int> serial{0};
    const qint64 pid = ProcessIdentity::currentPid();
    return QStringLiteral("map-%1-%2-%3%4")
        .arg(pid)
        .arg(ProcessIdentity::startTime(pid))
        .arg(++serial)
        .arg(QLatin1String(kSuffix));
}

bool RecoveryStore::makeFolder(QString* error) const {
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = systemError(errno);
        return false;
    }
    // The folder holds the user's maps: nobody else may list or read it.
    if (::chmod(QFile::encodeName(m_folder).constData(), 0700) != 0) {
        if (error)
            *error = systemError(errno);
        return false;
    }
    return true;
}

bool RecoveryStore::write(const QString& name, QByteArrayView bytes, QString* error) const {
    if (!makeFolder(error))
        return false;
    const QByteArray target = QFile::encodeName(filePath(name));
    QByteArray temporary = QFile::encodeName(filePath(QLatin1Char('.') + name)) + ".XXXXXX";
    // mkstemp makes the file 0600 whatever the umask.
    const int fd = ::mkstemp(temporary.data());
    bool ok = fd >= 0;
    if (ok) {
        ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
        const int writeError = errno;
        ok = ::close(fd) == 0 && ok;
        if (!ok)
            errno = writeError;
        ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    }
    if (!ok) {
        const int failure = errno;
        if (fd >= 0)
            ::unlink(temporary.constData());
        if (error)
            *error = systemError(failure);
    }
    return ok;
}

bool RecoveryStore::remove(const QString& name) const {
    return ::unlink(QFile::encodeName(filePath(name)).constData()) == 0;
}

RecoveryStore::Entry RecoveryStore::read(const QString& name) const {
    Entry entry;
    entry.name = name;
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        entry.reason = file.errorString();
        return entry;
    }
    // One byte past the limit tells a copy too large from one at the limit.
    const QByteArray bytes = file.read(RecoveryCopy::kMaxBytes + 1);
    entry.readable = RecoveryCopy::decode(bytes, entry.copy, entry.reason);
    return entry;
}

std::vector<RecoveryStore::Entry> RecoveryStore::list() const {
    const QDir dir(m_folder);
    const QStringList names =
        dir.entryList({QLatin1Char('*') + QLatin1String(kSuffix)}, QDir::Files, QDir::Time);
    std::vector<Entry> entries;
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        entries.push_back(read(*it));
    return entries;
}
