#include "model/Strings.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <iterator>

namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kEntries[] = {
#define TSTR(id, name, text) Entry{id, text},
#include "res/strings/all.def"
#undef TSTR
};

// The entries sorted by id. The array's size is spelled out: deducing it
// from some 500 initialisers exceeds clang's nesting limit.
constexpr auto makeTable() {
    std::array<Entry, std::size(kEntries)> table{};
    std::copy(std::begin(kEntries), std::end(kEntries), table.begin());
    std::sort(table.begin(), table.end(),
              [](const Entry& a, const Entry& b) { return a.id < b.id; });
    return table;
}

constexpr auto kTable = makeTable();

constexpr bool idsUnique() {
    for (std::size_t i = 1; i < kTable.size(); ++i) {
        if (kTable[i - 1].id == kTable[i].id)
            return false;
    }
    return true;
}
static_assert(idsUnique(), "two entries of the string table share an id");

const Entry* find(int id) {
    auto it = std::lower_bound(kTable.begin(), kTable.end(), id,
                               [](const Entry& e, int key) { return e.id < key; });
    return it != kTable.end() && it->id == id ? &*it : nullptr;
}

} // namespace

const char* Strings::raw(int id) {
    const Entry* e = find(id);
    return e ? e->text : "";
}

bool Strings::contains(int id) {
    return find(id) != nullptr;
}

QString Strings::text(int id) {
    const char* english = raw(id);
    // A translation is looked up by the id; without an application (the
    // windowless tools) or a translation for the id the English text stands.
    if (*english && QCoreApplication::instance()) {
        const QByteArray key = QByteArray::number(id);
        const QString translated = qtTrId(key.constData());
        if (translated != QLatin1String(key))
            return translated;
    }
    return QString::fromUtf8(english);
}

QString Strings::format(int id, ...) {
    const QByteArray pattern = text(id).toUtf8();
    va_list args;
    va_start(args, id);
    const QString result = QString::vasprintf(pattern.constData(), args);
    va_end(args);
    return result;
}
