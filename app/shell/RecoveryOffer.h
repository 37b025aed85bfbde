#pragma once

#include "app/dialogs/AppDialogs.h"
#include "document/RecoveryStore.h"

#include <vector>

class DocumentManager;

// "Recover Maps" at start-up: the copies of the store that no running editor
// owns, offered in one dialog. Recover opens each checked map that can be
// read; Delete removes the checked copies and offers the rest again; Later
// (or closing the dialog) keeps every copy for the next start. A copy that
// cannot be read stays until the user deletes it.
namespace RecoveryOffer {

// The copies to offer, oldest first: every copy whose owner no longer runs.
std::vector<RecoveryStore::Entry> orphans(const RecoveryStore& store);
// The row the dialog shows for one copy.
AppDialogs::RecoveryRow rowOf(const RecoveryStore::Entry& entry);
// Offers the orphans of the editor's store; nothing when there are none.
void run(AppDialogs& dialogs, DocumentManager& documents);

} // namespace RecoveryOffer
