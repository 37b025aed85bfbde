#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// One attribute of an area's or a map's tag that the editor keeps without
// editing it: id, class, rel, download, data-*, aria-*, event handlers and
// whatever else a page gives. The name is kept as written; the value as
// browsers read it ("&quot;" read as '"'); the form says how it was
// written, which the writer follows as far as the value allows.
struct TagAttribute {
    enum class Form : quint8 { Bare, Unquoted, SingleQuoted, DoubleQuoted };

    // Beyond this many on one tag a page is hostile or broken: readers
    // count the rest as not read, the clipboard refuses them.
    static constexpr int kMaxPerTag = 64;

    QByteArray name;
    QByteArray value; // empty for a bare attribute
    Form form = Form::DoubleQuoted;

    friend bool operator==(const TagAttribute&, const TagAttribute&) = default;

    // Whether name can stand as an attribute name in a tag, as browsers
    // read names: not empty, and none of NUL, white space, quotes, "/",
    // "<", ">" or "=".
    static bool validName(QByteArrayView name);
    // The attributes an AREA tag is written with by the editor itself, and
    // those of the MAP tag; compared without regard to case.
    static bool writtenForArea(QByteArrayView name);
    // Of the default area (SHAPE=default), whose HREF is the map's default URL.
    static bool writtenForDefault(QByteArrayView name);
    static bool writtenForMap(QByteArrayView name);
};

// An area's or a map's kept attributes in the order of the page. Empty, it
// holds no memory of its own.
using TagAttributes = QList<TagAttribute>;
