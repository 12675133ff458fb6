#include "store/kodovani.h"

#include <cmath>

double CipherRandom::next()
{
    // splitmix64, top 53 bits as the fraction
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

CipherRandom &defaultCipherRandom()
{
    static CipherRandom random;
    return random;
}

QByteArray EncodeLine(const QByteArray &plain)
{
    return EncodeLine(plain, defaultCipherRandom());
}

QByteArray EncodeLine(const QByteArray &plain, CipherRandom &random)
{
    QByteArray out;
    out.reserve(plain.size() * 3);
    for (const char ch : plain) {
        const int c = static_cast<unsigned char>(ch);
        const int b = static_cast<int>(std::floor(random.next() * 5)) + 10;
        const int q = c / b;
        const int r = c - b * q;
        const int k = (b - 10) * 4 + static_cast<int>(std::floor(random.next() * 3));
        out.append(static_cast<char>(65 + q));
        out.append(static_cast<char>(65 + r));
        out.append(static_cast<char>(65 + k));
    }
    return out;
}

QByteArray DecodeLine(const QByteArray &line)
{
    QByteArray out;
    out.reserve(line.size() / 3 + 1);
    int r = 0;
    int k = 0;
    int ch = -1;
    const qsizetype n = line.size();
    const auto letter = [&line](qsizetype i) { return static_cast<unsigned char>(line.at(i)) - 65; };
    for (qsizetype i = 0; i < n; i += 3) {
        const int q = letter(i);
        if (i + 1 < n)
            r = letter(i + 1);
        if (i + 2 < n)
            k = letter(i + 2);
        const int b = static_cast<int>(std::floor(k / 4.0)) + 10;
        const int c = b * q + r;
        if (c >= 0 && c <= 255)
            ch = c;
        if (ch >= 0)
            out.append(static_cast<char>(ch));
    }
    return out;
}
