#pragma once

#include <QString>
#include <QStringList>

// The recent-file list: the most recently opened maps, newest first, at most
// a fixed number of them. It is stored in the section "Recent File List" of
// the settings store as "File1", "File2", ...
class RecentFiles {
public:
    // The list never holds more than 16 names, whatever the setting says.
    static constexpr int kLimit = 16;

    explicit RecentFiles(int maxEntries = 4);

    int maxEntries() const { return m_max; }
    const QStringList& files() const { return m_files; }
    int count() const { return int(m_files.size()); }
    bool isEmpty() const { return m_files.isEmpty(); }

    // Puts path first; an entry for the same file moves up instead of
    // repeating, and the oldest entry falls off a full list.
    void add(const QString& path);
    void remove(int index);
    void clear() { m_files.clear(); }
    // Drops every entry whose file no longer exists, from the last to the
    // first; returns how many went.
    int dropMissing();

    // Reads up to maxEntries names ("File1" upwards, stopping at the first
    // missing one).
    void load();
    // Writes the list and removes the entries of the store beyond it.
    void save() const;

private:
    int m_max;
    QStringList m_files;
};
