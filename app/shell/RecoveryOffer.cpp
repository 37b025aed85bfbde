#include "app/shell/RecoveryOffer.h"

#include "app/shell/DocumentManager.h"
#include "document/ProcessIdentity.h"
#include "model/MapText.h"
#include "model/Strings.h"

#include <QDir>

namespace RecoveryOffer {

std::vector<RecoveryStore::Entry> orphans(const RecoveryStore& store) {
    std::vector<RecoveryStore::Entry> out;
    for (RecoveryStore::Entry& entry : store.list()) {
        // A copy that cannot be read names no owner worth trusting: it is
        // offered for deletion whoever wrote it.
        if (entry.readable &&
            ProcessIdentity::isRunning(entry.copy.ownerPid, entry.copy.ownerStart))
            continue;
        out.push_back(std::move(entry));
    }
    return out;
}

AppDialogs::RecoveryRow rowOf(const RecoveryStore::Entry& entry) {
    AppDialogs::RecoveryRow row;
    row.recoverable = entry.readable;
    row.reason = entry.reason;
    if (!entry.readable)
        return row;
    const DocumentState& s = entry.copy.state;
    row.title = s.info.title.isEmpty() ? Strings::text(Str::RecoverUntitled)
                                       : MapText::toDisplay(s.info.title);
    row.page =
        s.path.isEmpty() ? Strings::text(Str::RecoverNewMap) : QDir::toNativeSeparators(s.path);
    row.picture = QDir::toNativeSeparators(s.imagePath);
    row.areas = int(s.areas.size());
    row.time = entry.copy.time;
    return row;
}

void run(AppDialogs& dialogs, DocumentManager& documents) {
    const RecoveryStore store;
    std::vector<RecoveryStore::Entry> entries = orphans(store);
    while (!entries.empty()) {
        QList<AppDialogs::RecoveryRow> rows;
        for (const RecoveryStore::Entry& entry : entries)
            rows << rowOf(entry);
        QList<int> checked;
        const AppDialogs::RecoveryAction action = dialogs.chooseRecovery(rows, checked);
        if (action == AppDialogs::RecoveryAction::Later)
            return;
        std::vector<RecoveryStore::Entry> left;
        for (int i = 0; i < int(entries.size()); ++i) {
            RecoveryStore::Entry& entry = entries[size_t(i)];
            if (!checked.contains(i)) {
                left.push_back(std::move(entry));
            } else if (action == AppDialogs::RecoveryAction::Delete) {
                store.remove(entry.name);
            } else if (!entry.readable || !documents.recoverMap(entry.copy, entry.name)) {
                left.push_back(std::move(entry));
            }
        }
        // Recovering ends the offer: what was left stays for the next start.
        if (action == AppDialogs::RecoveryAction::Recover)
            return;
        entries = std::move(left);
    }
}

} // namespace RecoveryOffer
