#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Copies of many short texts (the URLs and ALT texts of a map's areas) kept
// in blocks of memory that they share, each copy a text of its own that
// ends with a NUL like any other: a map of 10,000 areas asks for a few
// blocks instead of a piece of memory for each text, and frees them so.
// A block lives while any text in it does; a text changed is copied first,
// as any shared text is.
class TextBlocks {
public:
    QByteArray copy(QByteArrayView text);

private:
    static constexpr qsizetype kBlockSize = 64 * 1024;
    // Longer texts are copied on their own: a block is for many.
    static constexpr qsizetype kMaxShared = 1024;

    QByteArray m_block;
    char* m_bytes = nullptr; // m_block's, taken while it was its own
    qsizetype m_used = 0;
};
