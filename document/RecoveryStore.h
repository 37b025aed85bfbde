#pragma once

#include "document/RecoveryCopy.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

// The folder of recovery copies: the user's own state folder
// (QStandardPaths::AppLocalDataLocation) + "/recovery", made readable by
// the user only (0700; every copy 0600), never beside a page. A copy is
// written to a temporary file of the folder, flushed and renamed over the
// old one, so that a failed write leaves the previous copy as it was.
//
// The store holds no state of its own beyond its folder: writes may run on
// a worker thread while the window thread lists or removes other copies.
class RecoveryStore {
public:
    static constexpr const char* kSuffix = ".recovery";

    // The folder of the store the editor uses: the user's state folder
    // unless a test pointed it elsewhere.
    static QString defaultFolder();
    static void setDefaultFolder(const QString& folder);

    explicit RecoveryStore(QString folder = defaultFolder()) : m_folder(std::move(folder)) {}
    const QString& folder() const { return m_folder; }
    QString filePath(const QString& name) const;

    // A file name no other copy of this process or another running editor
    // uses.
    static QString newName();

    // Replaces copy `name` by bytes; false with the system's reason when any
    // step failed, the previous copy then left as it was.
    bool write(const QString& name, QByteArrayView bytes, QString* error = nullptr) const;
    bool remove(const QString& name) const;

    // One copy of the folder: read when readable, else why not.
    struct Entry {
        QString name;
        bool readable = false;
        QString reason;
        RecoveryCopy copy;
    };
    // Every copy of the folder, oldest first.
    std::vector<Entry> list() const;
    // Reads one copy.
    Entry read(const QString& name) const;

private:
    bool makeFolder(QString* error) const;

    QString m_folder;
};
