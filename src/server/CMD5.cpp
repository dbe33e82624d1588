#include "server/CMD5.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

using Word = quint32;

struct State {
    Word a = 0x67452301;
    Word b = 0xefcdab89;
    Word c = 0x98badcfe;
    Word d = 0x10325476;
};

constexpr Word rotl(Word x, int s) {
    return (x << s) | (x >> (32 - s));
}

constexpr Word F(Word x, Word y, Word z) {
    return (x & y) | (~x & z);
}
constexpr Word G(Word x, Word y, Word z) {
    return (x & z) | (y & ~z);
}
constexpr Word H(Word x, Word y, Word z) {
    return x ^ y ^ z;
}
constexpr Word I(Word x, Word y, Word z) {
    return y ^ (x | ~z);
}

// One step: a = b + ((a + f(b,c,d) + x + t) <<< s).
template <Word (*f)(Word, Word, Word)>
inline void step(Word& a, Word b, Word c, Word d, Word x, int s, Word t) {
    a = b + rotl(a + f(b, c, d) + x + t, s);
}

// Compresses one 64-byte block, read as sixteen little-endian words. The
// rounds are written out as RFC 1321 lists them, so each line can be checked
// against the table there.
void transform(State& st, const uchar* block) {
    std::array<Word, 16> x{};
    for (int i = 0; i < 16; ++i)
        x[i] = qFromLittleEndian<Word>(block + 4 * i);

    Word a = st.a, b = st.b, c = st.c, d = st.d;

    // Round 1
    step<F>(a, b, c, d, x[0], 7, 0xd76aa478);
    step<F>(d, a, b, c, x[1], 12, 0xe8c7b756);
    step<F>(c, d, a, b, x[2], 17, 0x242070db);
    step<F>(b, c, d, a, x[3], 22, 0xc1bdceee);
    step<F>(a, b, c, d, x[4], 7, 0xf57c0faf);
    step<F>(d, a, b, c, x[5], 12, 0x4787c62a);
    step<F>(c, d, a, b, x[6], 17, 0xa8304613);
    step<F>(b, c, d, a, x[7], 22, 0xfd469501);
    step<F>(a, b, c, d, x[8], 7, 0x698098d8);
    step<F>(d, a, b, c, x[9], 12, 0x8b44f7af);
    step<F>(c, d, a, b, x[10], 17, 0xffff5bb1);
    step<F>(b, c, d, a, x[11], 22, 0x895cd7be);
    step<F>(a, b, c, d, x[12], 7, 0x6b901122);
    step<F>(d, a, b, c, x[13], 12, 0xfd987193);
    step<F>(c, d, a, b, x[14], 17, 0xa679438e);
    step<F>(b, c, d, a, x[15], 22, 0x49b40821);

    // Round 2
    step<G>(a, b, c, d, x[1], 5, 0xf61e2562);
    step<G>(d, a, b, c, x[6], 9, 0xc040b340);
    step<G>(c, d, a, b, x[11], 14, 0x265e5a51);
    step<G>(b, c, d, a, x[0], 20, 0xe9b6c7aa);
    step<G>(a, b, c, d, x[5], 5, 0xd62f105d);
    step<G>(d, a, b, c, x[10], 9, 0x02441453);
    step<G>(c, d, a, b, x[15], 14, 0xd8a1e681);
    step<G>(b, c, d, a, x[4], 20, 0xe7d3fbc8);
    step<G>(a, b, c, d, x[9], 5, 0x21e1cde6);
    step<G>(d, a, b, c, x[14], 9, 0xc33707d6);
    step<G>(c, d, a, b, x[3], 14, 0xf4d50d87);
    step<G>(b, c, d, a, x[8], 20, 0x455a14ed);
    step<G>(a, b, c, d, x[13], 5, 0xa9e3e905);
    step<G>(d, a, b, c, x[2], 9, 0xfcefa3f8);
    step<G>(c, d, a, b, x[7], 14, 0x676f02d9);
    step<G>(b, c, d, a, x[12], 20, 0x8d2a4c8a);

    // Round 3
    step<H>(a, b, c, d, x[5], 4, 0xfffa3942);
    step<H>(d, a, b, c, x[8], 11, 0x8771f681);
    step<H>(c, d, a, b, x[11], 16, 0x6d9d6122);
    step<H>(b, c, d, a, x[14], 23, 0xfde5380c);
    step<H>(a, b, c, d, x[1], 4, 0xa4beea44);
    step<H>(d, a, b, c, x[4], 11, 0x4bdecfa9);
    step<H>(c, d, a, b, x[7], 16, 0xf6bb4b60);
    step<H>(b, c, d, a, x[10], 23, 0xbebfbc70);
    step<H>(a, b, c, d, x[13], 4, 0x289b7ec6);
    step<H>(d, a, b, c, x[0], 11, 0xeaa127fa);
    step<H>(c, d, a, b, x[3], 16, 0xd4ef3085);
    step<H>(b, c, d, a, x[6], 23, 0x04881d05);
    step<H>(a, b, c, d, x[9], 4, 0xd9d4d039);
    step<H>(d, a, b, c, x[12], 11, 0xe6db99e5);
    step<H>(c, d, a, b, x[15], 16, 0x1fa27cf8);
    step<H>(b, c, d, a, x[2], 23, 0xc4ac5665);

    // Round 4
    step<I>(a, b, c, d, x[0], 6, 0xf4292244);
    step<I>(d, a, b, c, x[7], 10, 0x432aff97);
    step<I>(c, d, a, b, x[14], 15, 0xab9423a7);
    step<I>(b, c, d, a, x[5], 21, 0xfc93a039);
    step<I>(a, b, c, d, x[12], 6, 0x655b59c3);
    step<I>(d, a, b, c, x[3], 10, 0x8f0ccc92);
    step<I>(c, d, a, b, x[10], 15, 0xffeff47d);
    step<I>(b, c, d, a, x[1], 21, 0x85845dd1);
    step<I>(a, b, c, d, x[8], 6, 0x6fa87e4f);
    step<I>(d, a, b, c, x[15], 10, 0xfe2ce6e0);
    step<I>(c, d, a, b, x[6], 15, 0xa3014314);
    step<I>(b, c, d, a, x[13], 21, 0x4e0811a1);
    step<I>(a, b, c, d, x[4], 6, 0xf7537e82);
    step<I>(d, a, b, c, x[11], 10, 0xbd3af235);
    step<I>(c, d, a, b, x[2], 15, 0x2ad7d2bb);
    step<I>(b, c, d, a, x[9], 21, 0xeb86d391);

    st.a += a;
    st.b += b;
    st.c += c;
    st.d += d;
}

} // namespace

QByteArray CMD5::digest(QByteArrayView bytes) {
    State st;
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const auto size = quint64(bytes.size());

    quint64 done = 0;
    for (; size - done >= 64; done += 64)
        transform(st, data + done);

    // Padding: 0x80, zeros up to 56 mod 64, then the bit length as a 64-bit
    // little-endian number; one or two final blocks.
    std::array<uchar, 128> tail{};
    const auto rest = std::size_t(size - done);
    if (rest > 0)
        std::memcpy(tail.data(), data + done, rest);
    tail[rest] = 0x80;
    const std::size_t tailSize = rest < 56 ? 64 : 128;
    qToLittleEndian<quint64>(size * 8, tail.data() + tailSize - 8);
    for (std::size_t off = 0; off < tailSize; off += 64)
        transform(st, tail.data() + off);

    QByteArray out(16, Qt::Uninitialized);
    auto* p = reinterpret_cast<uchar*>(out.data());
    qToLittleEndian(st.a, p);
    qToLittleEndian(st.b, p + 4);
    qToLittleEndian(st.c, p + 8);
    qToLittleEndian(st.d, p + 12);
    return out;
}

QString CMD5::MD5(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* p = bytes.data();
    for (const QChar c : text)
        *p++ = char(c.unicode() & 0xFF);
    // toHex writes lower-case digits.
    return QString::fromLatin1(digest(bytes).toHex());
}
