#include "formats/PageFile.h"

#include <cerrno>

bool PageFile::fail(Step step, int errorNumber) {
    m_failedStep = step;
    // The error number of the failed call, taken before anything else can
    // change errno; EIO when the system left none.
    m_errorNumber = errorNumber ? errorNumber : errno ? errno : EIO;
    // Dropping the temporary file: commit() after cancelWriting() removes it
    // and leaves the target alone.
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
    }
    return false;
}

bool PageFile::create(const QString& path) {
    m_failedStep = Step::None;
    m_errorNumber = 0;
    m_file.setFileName(path);
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(Step::Create);
    return true;
}

bool PageFile::write(QByteArrayView bytes) {
    errno = 0;
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        return fail(Step::Write);
    return true;
}

bool PageFile::replace() {
    errno = 0;
    if (!m_file.flush())
        return fail(Step::Write);
    errno = 0;
    // commit() syncs the temporary file and renames it over the target.
    if (!m_file.commit()) {
        const int error = errno;
        const Step step = m_file.error() == QFileDevice::RenameError ? Step::Replace : Step::Write;
        return fail(step, error);
    }
    return true;
}
