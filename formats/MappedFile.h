#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// A whole file held for reading: mapped into memory when the system allows,
// read into a buffer otherwise. Reports the file's size and whether it is
// write-protected (its owner-write permission bit is clear; the bit is
// tested, not the access, since root may write anyway).
class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    // False when path is not a regular file that can be opened and read;
    // errorString() then says why.
    bool open(const QString& path);
    const QString& errorString() const { return m_error; }
    void close();

    const QString& path() const { return m_path; }
    qint64 size() const { return m_bytes.size(); }
    bool isReadOnly() const { return m_readOnly; }
    // Every byte of the file (map readers end the text at its first NUL).
    QByteArrayView bytes() const { return m_bytes; }

private:
    QString m_path;
    QFile m_file;
    QByteArray m_buffer; // holds the bytes when the file could not be mapped
    QByteArrayView m_bytes;
    bool m_readOnly = false;
    QString m_error;
};
