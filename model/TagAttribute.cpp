#include "model/TagAttribute.h"

#include <QByteArrayAlgorithms>

#include <array>

namespace {

bool sameName(QByteArrayView a, QByteArrayView b) {
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

} // namespace

bool TagAttribute::validName(QByteArrayView name) {
    if (name.isEmpty())
        return false;
    for (const char c : name) {
        const bool space = c == ' ' || (c >= '\t' && c <= '\r');
        if (c == '\0' || space || c == '"' || c == '\'' || c == '/' || c == '<' || c == '>' ||
            c == '=')
            return false;
    }
    return true;
}

bool TagAttribute::writtenForArea(QByteArrayView name) {
    static constexpr std::array<const char*, 6> kWritten{"SHAPE",  "COORDS", "HREF",
                                                         "TARGET", "ALT",    "TITLE"};
    for (const char* written : kWritten) {
        if (sameName(name, written))
            return true;
    }
    return false;
}

bool TagAttribute::writtenForDefault(QByteArrayView name) {
    return sameName(name, "SHAPE") || sameName(name, "HREF");
}

bool TagAttribute::writtenForMap(QByteArrayView name) {
    return sameName(name, "NAME");
}
