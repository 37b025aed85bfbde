#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstring>

// Takes choices and numbers from the front of a fuzz input and leaves the
// rest for the text or picture under test. Runs out into zeros, so that
// every input, however short, is a valid choice of everything.
class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size)
        : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}

    uint8_t byte() { return m_at < m_size ? uint8_t(m_data[m_at++]) : 0; }
    bool flag() { return byte() & 1; }
    // 0 .. count - 1 (count > 0).
    int pick(int count) { return int(u16() % unsigned(count)); }
    uint16_t u16() { return uint16_t(byte() | byte() << 8); }
    uint32_t u32() { return uint32_t(u16()) | uint32_t(u16()) << 16; }
    int32_t i32() { return int32_t(u32()); }
    // lo .. hi, both included (lo <= hi, a span below 2^32).
    int64_t range(int64_t lo, int64_t hi) { return lo + int64_t(u32() % uint64_t(hi - lo + 1)); }
    // A number that is often an edge: 0, 1, -1, the int32 limits, small.
    int64_t edgy() {
        switch (byte() % 8) {
        case 0:
            return 0;
        case 1:
            return int8_t(byte());
        case 2:
            return int16_t(u16());
        case 3:
            return i32();
        case 4:
            return byte() & 1 ? INT32_MAX : INT32_MIN;
        case 5:
            return u32();
        default:
            return byte() % 16;
        }
    }
    // The next n bytes (fewer at the end).
    QByteArray bytes(size_t n) {
        n = qMin(n, m_size - m_at);
        QByteArray out(m_data + m_at, qsizetype(n));
        m_at += n;
        return out;
    }
    // The next text up to a byte 0xff (or the end), without it: lets one
    // input carry several texts.
    QByteArray text() {
        size_t end = m_at;
        while (end < m_size && uint8_t(m_data[end]) != 0xff)
            ++end;
        QByteArray out(m_data + m_at, qsizetype(end - m_at));
        m_at = end < m_size ? end + 1 : end;
        return out;
    }
    QByteArrayView rest() const { return QByteArrayView(m_data + m_at, qsizetype(m_size - m_at)); }
    size_t remaining() const { return m_size - m_at; }

private:
    const char* m_data;
    size_t m_size;
    size_t m_at = 0;
};
