#include "formats/MappedFile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

MappedFile::~MappedFile() {
    close();
}

bool MappedFile::open(const QString& path) {
    close();
    m_error.clear();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        m_error = QString::fromLocal8Bit(std::strerror(info.exists() ? EISDIR : ENOENT));
        return false;
    }
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    m_path = path;
    m_readOnly = !info.permission(QFileDevice::WriteOwner);
    const qint64 size = m_file.size();
    if (size > 0) {
        if (uchar* data = m_file.map(0, size)) {
            m_bytes = QByteArrayView(reinterpret_cast<const char*>(data), size);
            return true;
        }
    }
    // Files the system will not map (and those that report no size, such as
    // pipes) are read instead.
    m_buffer = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError) {
        m_error = m_file.errorString();
        close();
        return false;
    }
    m_bytes = m_buffer;
    return true;
}

void MappedFile::close() {
    m_bytes = {};
    m_buffer.clear();
    if (m_file.isOpen())
        m_file.close(); // also unmaps
    m_path.clear();
    m_readOnly = false;
}
