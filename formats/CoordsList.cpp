#include "formats/CoordsList.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace CoordsList {

namespace {

// isSeparator by byte, for the scans over millions of them.
constexpr auto kSeparators = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[std::size_t(c)] = isSeparator(char(c));
    return table;
}();

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool startsNumber(char c) {
    return isDigit(c) || c == '-' || c == '.';
}

// The length of the number at the start of t: "-"?, digits, ("." digits)?,
// (("e"|"E") ("+"|"-")? digits)?, with at least one digit before the
// exponent; 0 when none starts there.
qsizetype numberLength(QByteArrayView t) {
    qsizetype at = 0;
    if (at < t.size() && t[at] == '-')
        ++at;
    const qsizetype intStart = at;
    while (at < t.size() && isDigit(t[at]))
        ++at;
    bool digits = at > intStart;
    if (at < t.size() && t[at] == '.') {
        const qsizetype fracStart = ++at;
        while (at < t.size() && isDigit(t[at]))
            ++at;
        if (at == fracStart && !digits)
            return 0; // "." or "-." alone
        digits = digits || at > fracStart;
    }
    if (!digits)
        return 0;
    if (at < t.size() && (t[at] == 'e' || t[at] == 'E')) {
        qsizetype exp = at + 1;
        if (exp < t.size() && (t[exp] == '+' || t[exp] == '-'))
            ++exp;
        const qsizetype expDigits = exp;
        while (exp < t.size() && isDigit(t[exp]))
            ++exp;
        if (exp > expDigits)
            at = exp;
    }
    return at;
}

double numberOf(QByteArrayView token) {
    qsizetype start = 0;
    while (start < token.size() && !startsNumber(token[start]))
        ++start;
    const QByteArrayView rest = token.sliced(start);
    const qsizetype length = numberLength(rest);
    if (length == 0)
        return 0;
    // In the C locale whatever the user's is; beyond a double's range no number.
    bool ok = false;
    const double v = rest.first(length).toByteArray().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

// The eight bytes at p, the first in the lowest byte, whatever the
// processor's byte order.
inline quint64 eightBytes(const char* p) {
    quint64 v;
    std::memcpy(&v, p, sizeof v);
    return qFromLittleEndian(v);
}

inline quint32 fourBytes(const char* p) {
    quint32 v;
    std::memcpy(&v, p, sizeof v);
    return qFromLittleEndian(v);
}

// The value of count (1 to 8) digits, each less '0', in the lowest bytes
// of a word, the first lowest: moved to the top of the word (leading zeros
// below them), then pairs, fours and eights of digits joined by three
// multiplications.
inline quint64 digitsValue(quint64 digits, unsigned count) {
    quint64 v = digits << (8 * (8 - count));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFull;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFull;
    return (v * 10000 + (v >> 32)) & 0xFFFFFFFFull;
}

// One token at p (not a separator), read byte by byte: a whole number of
// at most 16 characters ("-"? digits), or some other text. A sink is told
// each token in turn, as whole(value) or other(text).
struct Token {
    const char* end;
    bool isWhole;
    qint64 value;
};

inline Token readToken(const char* p, const char* end) {
    const bool negative = *p == '-';
    const char* at = p + negative;
    const char* const stop = end - p > 16 ? p + 16 : end;
    qint64 value = 0;
    for (unsigned d; at < stop && (d = unsigned(uchar(*at)) - '0') <= 9; ++at)
        value = value * 10 + d;
    if (at > p + negative && (at == end || kSeparators[uchar(*at)]))
        return {at, true, negative ? -value : value};
    while (at < end && !kSeparators[uchar(*at)])
        ++at;
    return {at, false, 0};
}

template <class Sink>
inline void tellToken(Sink& sink, const char* p, const char* end) {
    const Token t = readToken(p, end);
    if (t.isWhole)
        sink.whole(t.value);
    else
        sink.other(QByteArrayView(p, t.end - p));
}

// The place of the lowest bit set in x, which is not 0: with no test for
// 0 of its own, which std::countr_zero makes where the processor level the
// build is for has no instruction that counts to 64 on its own.
inline unsigned lowestBit(quint64 x) {
#if defined(__GNUC__)
    return unsigned(__builtin_ctzll(x));
#else
    return unsigned(std::countr_zero(x));
#endif
}

// The scan reads the text in blocks of 64 bytes, each described by masks
// of its bytes (bit i for byte i): which separate tokens, which are
// digits, which are minus signs.
constexpr qsizetype kBlock = 64;

struct BlockMasks {
    quint64 separators = 0;
    quint64 digits = 0;
    quint64 minus = 0;
};

#if defined(__SSE2__)
inline unsigned separatorBits(__m128i v) {
    const auto is = [v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
    // Tab, line feed, form feed and carriage return are 9, 10, 12 and 13:
    // the bytes of 9 to 13 but the vertical tab, 11.
    const __m128i fromTab = _mm_sub_epi8(v, _mm_set1_epi8(9));
    const __m128i controls = _mm_andnot_si128(
        is('\v'), _mm_cmpeq_epi8(_mm_min_epu8(fromTab, _mm_set1_epi8(4)), fromTab));
    return unsigned(_mm_movemask_epi8(
        _mm_or_si128(_mm_or_si128(is(' '), is(',')), _mm_or_si128(is(';'), controls))));
}

inline unsigned digitBits(__m128i v) {
    const __m128i fromZero = _mm_sub_epi8(v, _mm_set1_epi8('0'));
    return unsigned(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero)));
}

inline BlockMasks blockMasks(const char* b) {
    BlockMasks m;
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * i));
        m.separators |= quint64(separatorBits(v)) << (16 * i);
        m.digits |= quint64(digitBits(v)) << (16 * i);
        m.minus |= quint64(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('-')))))
                   << (16 * i);
    }
    return m;
}

// Whether the block holds nothing but digits, spaces and commas, as nearly
// every block of a page's COORDS does; separators is then set to its
// spaces and commas. Fewer tests than blockMasks makes.
inline bool plainBlock(const char* b, quint64& separators) {
    quint64 plain = 0, spaces = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * i));
        const __m128i fromZero = _mm_sub_epi8(v, _mm_set1_epi8('0'));
        const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero);
        const __m128i space = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')),
                                           _mm_cmpeq_epi8(v, _mm_set1_epi8(',')));
        plain |= quint64(unsigned(_mm_movemask_epi8(_mm_or_si128(digit, space)))) << (16 * i);
        spaces |= quint64(unsigned(_mm_movemask_epi8(space))) << (16 * i);
    }
    separators = spaces;
    return plain == ~0ull;
}
#else
inline bool plainBlock(const char*, quint64&) {
    return false;
}

inline BlockMasks blockMasks(const char* b) {
    BlockMasks m;
    for (int i = 0; i < kBlock; ++i) {
        const uchar c = uchar(b[i]);
        m.separators |= quint64(kSeparators[c]) << i;
        m.digits |= quint64(isDigit(char(c))) << i;
        m.minus |= quint64(c == '-') << i;
    }
    return m;
}
#endif

// A block's masks: the bytes that start tokens, those that end them, and
// those that keep its tokens from being read from the masks alone (any but
// separators, digits and a minus that starts a token). afterToken tells
// whether the byte before the block is in a token, and is left telling it
// of the block's last byte; b[kBlock] is the byte after the block.
struct Block {
    quint64 starts;
    quint64 ends;
    quint64 other;
    quint64 minus;
    bool plain;   // digits, spaces and commas alone: no minus
    bool longRun; // five bytes of tokens or more in a row

    Q_ALWAYS_INLINE Block(const char* b, bool& afterToken) {
        quint64 separators;
        const bool plain = plainBlock(b, separators);
        BlockMasks m;
        if (!plain) {
            m = blockMasks(b);
            separators = m.separators;
        }
        const quint64 inToken = ~separators;
        const quint64 nextInToken = !kSeparators[uchar(b[kBlock])];
        starts = inToken & ~((inToken << 1) | quint64(afterToken));
        ends = inToken & ~((inToken >> 1) | (nextInToken << 63));
        afterToken = inToken >> 63;
        other = plain ? 0 : inToken & ~m.digits & ~(m.minus & starts);
        minus = m.minus;
        this->plain = plain;
        longRun = (inToken & inToken >> 1 & inToken >> 2 & inToken >> 3 & inToken >> 4) != 0;
    }
};

// The numbers of four digits at most of one block, gathered to be worked
// out four at a time: each one's digits less '0' in a word of four bytes,
// moved up so that its last digit is the top byte (zeros below its first),
// which weighs every word alike: 1000, 100, 10, 1 from the lowest byte up.
// A number with a minus is negated after (its sign a mask of all ones).
// Blocks without a minus (nearly all) keep no signs.
struct SmallNumbers {
    static constexpr unsigned kRoom = kBlock / 2 + 4; // tokens of a block, and a last four
    alignas(16) quint32 digits[kRoom];
    alignas(16) qint32 signs[kRoom];
    unsigned count = 0;

    // digitCount is 1 to 4; the bytes after the last digit are shifted out.
    void add(const char* firstDigit, unsigned digitCount) {
        digits[count++] = (fourBytes(firstDigit) - 0x30303030u) << (32 - 8 * digitCount);
    }
    void add(const char* firstDigit, unsigned digitCount, unsigned negative) {
        signs[count] = -qint32(negative);
        add(firstDigit, digitCount);
    }

    template <bool Signed, class Sink>
    void tell(Sink& sink) {
        if (count == 0)
            return;
#if defined(__SSE2__)
        for (unsigned i = count; i % 4; ++i)
            digits[i] = signs[i] = 0;
        const __m128i zero = _mm_setzero_si128();
        const __m128i weights = _mm_setr_epi16(1000, 100, 10, 1, 1000, 100, 10, 1);
        for (unsigned i = 0; i < count; i += 4) {
            const __m128i d = _mm_load_si128(reinterpret_cast<const __m128i*>(digits + i));
            // Each number's two pairs of digits weighed, then the pairs summed.
            const __m128i low = _mm_madd_epi16(_mm_unpacklo_epi8(d, zero), weights);
            const __m128i high = _mm_madd_epi16(_mm_unpackhi_epi8(d, zero), weights);
            __m128i v = _mm_madd_epi16(_mm_packs_epi32(low, high), _mm_set1_epi16(1));
            if constexpr (Signed) {
                const __m128i sign = _mm_load_si128(reinterpret_cast<const __m128i*>(signs + i));
                v = _mm_sub_epi32(_mm_xor_si128(v, sign), sign);
            }
            sink.small(v, std::min(4u, count - i));
        }
#else
        alignas(16) qint32 values[kRoom];
        static constexpr qint32 kWeights[4] = {1000, 100, 10, 1};
        for (unsigned i = 0; i < count; ++i) {
            qint32 v = 0;
            for (int k = 0; k < 4; ++k)
                v += qint32(uchar(digits[i] >> (8 * k))) * kWeights[k];
            values[i] = Signed ? (v ^ signs[i]) - signs[i] : v;
        }
        sink.small(values, count);
#endif
        count = 0;
    }
};

// Tells sink the token of length bytes at t, all of them digits but a
// minus sign in front: one of eight digits at most read a word at a time.
template <class Sink>
void tellDigits(Sink& sink, const char* t, unsigned length, const char* end) {
    const unsigned negative = *t == '-';
    const unsigned count = length - negative;
    if (count - 1 < 8) {
        const quint64 digits = eightBytes(t + negative) ^ 0x3030303030303030ull;
        const qint64 value = qint64(digitsValue(digits, count));
        sink.whole(negative ? -value : value);
    } else {
        tellToken(sink, t, end);
    }
}

// Tells sink the tokens that start in blocks [0, blocks) of base, in order,
// and returns where the text is still to be read: the end of the last
// block, or past a token that goes on beyond it. end is where the text
// ends; base holds readable bytes up to eight past the last block
// (separators past end). afterToken tells whether the byte before the
// first block is in a token.
//
// The tokens' starts and ends are taken from the masks in step, without a
// branch that depends on the text: a processor cannot predict branches on
// the lengths of numbers, which change from one to the next. Where a token
// lies in blocks of separators, digits and leading minus signs alone
// (nearly every block of a real page), its digits are read a word at a
// time. The sink is held here by value, so that its place of output stays
// in a register rather than being stored and loaded again for every number.
template <class Sink>
const char* scanBlocks(const char* base, qsizetype blocks, const char* end, bool afterToken,
                       Sink& outerSink) {
    Sink sink = outerSink;
    const char* pending = nullptr; // a token that goes on into the next block
    bool pendingClean = false;     // whether it lies in clean blocks so far
    for (qsizetype k = 0; k < blocks; ++k) {
        const char* const b = base + k * kBlock;
        const Block block(b, afterToken);
        quint64 starts = block.starts, ends = block.ends;
        const bool clean = block.other == 0;
        if (pending) {
            if (ends == 0) { // the whole block is in the token
                pendingClean = pendingClean && clean;
                continue;
            }
            const unsigned e = lowestBit(ends);
            ends &= ends - 1;
            if (pendingClean && clean)
                tellDigits(sink, pending, unsigned(b + e + 1 - pending), end);
            else
                tellToken(sink, pending, end);
            pending = nullptr;
        }
        // The tokens that start in the block, each with its end: every end
        // left is one of a token that starts here, and a start left over
        // is of one that goes on into the next block. Written once, run in
        // several forms.
        const auto eachToken = [&](auto&& take) {
            while (ends) {
                // Every end has its start; the top bit only spares the
                // count a test for no bit at all.
                const unsigned s = lowestBit(starts | quint64(1) << 63);
                starts &= starts - 1;
                const unsigned e = lowestBit(ends);
                ends &= ends - 1;
                take(s, e);
            }
            if (starts) {
                pending = b + lowestBit(starts);
                pendingClean = clean;
            }
        };
        if (clean && block.plain && !block.longRun) {
            // Numbers of four digits at most alone.
            SmallNumbers small;
            eachToken([&](unsigned s, unsigned e) { small.add(b + s, e - s + 1); });
            small.tell<false>(sink);
        } else if (clean) {
            // Numbers of any length; in a block without a minus (nearly
            // every one) with no signs kept.
            const auto readNumbers = [&](auto withSigns) {
                constexpr bool Signed = decltype(withSigns)::value;
                SmallNumbers small;
                eachToken([&](unsigned s, unsigned e) {
                    const unsigned negative = Signed ? unsigned(block.minus >> s) & 1 : 0;
                    const unsigned count = e - s + 1 - negative;
                    if (count - 1 >= 4) {
                        small.tell<Signed>(sink);
                        tellDigits(sink, b + s, e - s + 1, end);
                    } else if constexpr (Signed) {
                        small.add(b + s + negative, count, negative);
                    } else {
                        small.add(b + s, count);
                    }
                });
                small.tell<Signed>(sink);
            };
            if (block.plain)
                readNumbers(std::false_type{});
            else
                readNumbers(std::true_type{});
        } else {
            eachToken([&](unsigned s, unsigned) { tellToken(sink, b + s, end); });
        }
    }
    const char* resume = base + blocks * kBlock;
    if (pending) {
        resume = readToken(pending, end).end;
        tellToken(sink, pending, end);
    }
    outerSink = sink;
    return resume;
}

// Tells sink the tokens of text in order.
template <class Sink>
void scanTokens(QByteArrayView text, Sink& sink) {
    const char* const data = text.data();
    const qsizetype size = text.size();
    // Blocks read in place: each with the eight bytes after it within the text.
    const qsizetype inPlace = size >= kBlock + 8 ? (size - 8) / kBlock : 0;
    const char* const resume = scanBlocks(data, inPlace, data + size, false, sink);
    // The rest (under a block and eight bytes) from a copy ended by
    // separators; resume is at a separator or the end of the text.
    alignas(16) char rest[3 * kBlock];
    const qsizetype left = data + size - resume;
    std::memset(rest, ' ', sizeof rest);
    if (left > 0)
        std::memcpy(rest, resume, std::size_t(left));
    scanBlocks(rest, (left + kBlock - 1) / kBlock, rest + left, false, sink);
}

// Each number but the last takes at least one separator after it, so out
// has room for every number before the first is read.
template <class Value>
struct Output {
    Value* out;
    int limit;
    bool allWhole = true;
};

struct DoubleSink : Output<double> {
    void whole(qint64 value) { *out++ = double(value); }
#if defined(__SSE2__)
    void small(__m128i values, unsigned count) {
        alignas(16) qint32 v[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(v), values);
        for (unsigned i = 0; i < count; ++i)
            *out++ = double(v[i]);
    }
#else
    void small(const qint32* values, unsigned count) {
        for (unsigned i = 0; i < count; ++i)
            *out++ = double(values[i]);
    }
#endif
    void other(QByteArrayView token) {
        *out++ = numberOf(token);
    }
};

struct WholeSink : Output<int> {
    void whole(qint64 value) { *out++ = int(std::clamp<qint64>(value, -limit, limit)); }
    // Numbers of four digits at most: within the limits readers set.
#if defined(__SSE2__)
    // Four written at once, count of them numbers (wholeRoom leaves room
    // for the rest of the last four).
    void small(__m128i values, unsigned count) {
        if (limit > 9999) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), values);
            out += count;
            return;
        }
        alignas(16) qint32 v[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(v), values);
        for (unsigned i = 0; i < count; ++i)
            *out++ = std::clamp(v[i], -limit, limit);
    }
#else
    void small(const qint32* values, unsigned count) {
        for (unsigned i = 0; i < count; ++i)
            *out++ = std::clamp(values[i], -limit, limit);
    }
#endif
    void other(QByteArrayView token) {
        *out++ = CoordsList::whole(numberOf(token), limit);
        allWhole = false;
    }
};

} // namespace

std::vector<double> parse(QByteArrayView text) {
    std::vector<double> out(wholeRoom(text.size()));
    DoubleSink sink{{out.data(), 0}};
    scanTokens(text, sink);
    out.resize(std::size_t(sink.out - out.data()));
    return out;
}

// A polygon's COORDS on a large page are millions of numbers.
bool parseWhole(QByteArrayView text, int limit, std::vector<int>& out) {
    out.resize(wholeRoom(text.size()));
    std::size_t count = 0;
    const bool allWhole = parseWhole(text, limit, out.data(), count);
    out.resize(count);
    return allWhole;
}

bool parseWhole(QByteArrayView text, int limit, int* out, std::size_t& count) {
    WholeSink sink{{out, limit}};
    scanTokens(text, sink);
    count = std::size_t(sink.out - out);
    return sink.allWhole;
}

int whole(double v, int limit) {
    const double bound = limit;
    v = v > bound ? bound : v < -bound ? -bound : v;
    const int truncated = int(v);
    return truncated == v ? truncated : int(std::lround(v));
}

} // namespace CoordsList
