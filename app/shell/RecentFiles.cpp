#include "app/shell/RecentFiles.h"

#include "model/Strings.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

QSettings openStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     Strings::untranslated(Str::CompanyKey),
                     Strings::untranslated(Str::ApplicationKey));
}

QString entryKey(int number) {
    return Strings::untranslated(Str::RecentFileSection) + QLatin1Char('/') +
           QString::asprintf(Strings::raw(Str::RecentFileEntry), number);
}

// Two names of the same file: compared as absolute, cleaned paths.
bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

RecentFiles::RecentFiles(int maxEntries) : m_max(std::clamp(maxEntries, 1, kLimit)) {}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString full = QFileInfo(path).absoluteFilePath();
    m_files.erase(std::remove_if(m_files.begin(), m_files.end(),
                                 [&](const QString& f) { return sameFile(f, full); }),
                  m_files.end());
    m_files.prepend(full);
    while (m_files.size() > m_max)
        m_files.removeLast();
}

void RecentFiles::remove(int index) {
    if (index >= 0 && index < count())
        m_files.removeAt(index);
}

int RecentFiles::dropMissing() {
    int dropped = 0;
    for (int i = count() - 1; i >= 0; --i) {
        if (!QFileInfo::exists(m_files[i])) {
            m_files.removeAt(i);
            ++dropped;
        }
    }
    return dropped;
}

void RecentFiles::load() {
    m_files.clear();
    const QSettings store = openStore();
    for (int n = 1; n <= m_max; ++n) {
        const QString name = store.value(entryKey(n)).toString();
        if (name.isEmpty())
            break;
        m_files << name;
    }
}

void RecentFiles::save() const {
    QSettings store = openStore();
    for (int n = 1; n <= kLimit; ++n) {
        if (n <= count())
            store.setValue(entryKey(n), m_files[n - 1]);
        else
            store.remove(entryKey(n));
    }
}
